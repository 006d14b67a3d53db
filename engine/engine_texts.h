// The engine's fixed texts: status lines, the open and seek questions and
// the positioning message. The final messages are in engine/pair_driver.h.
#ifndef KESTRIN_ENGINE_ENGINE_TEXTS_H_
#define KESTRIN_ENGINE_ENGINE_TEXTS_H_

#include <cstdint>
#include <string>

namespace kestrin {

// Which file an open or seek question is about.
enum class OpenStep { kOpenNew, kOpenOld, kSeek };

// Reading Data File(0) - Start Line = 1
std::string ReadingDataStatus(int32_t pair, int32_t start_line);

// Processing Data   NFile = main.pas   OFile = main.pas
std::string ProcessingDataStatus(const std::string& new_name, const std::string& old_name);

// Finding Matching Lines(0) - Start Line = 1 UpTo Line = 7999 .
std::string FindingMatchesStatus(int32_t pair, int32_t start_line, int32_t up_to_line);

// Generating Report   NFile = main.pas   OFile = main.pas
std::string GeneratingReportStatus(const std::string& new_name, const std::string& old_name);

// "Read Input Processing   - Line = 500 " (the trailing blank is part of it)
std::string ReadInputStatus(int32_t line);

// Binary ReadFile-Pair(0) File-Offset(131072)
std::string BinaryReadStatus(int32_t pair, int64_t offset);

// Error code "2" while trying to open New Input File. "/data/new/a.txt". Exit Now?
std::string OpenErrorQuestion(OpenStep step, int error, const std::string& path);

// Error while trying to open "/data/new/a.txt" File
std::string PositionErrorMessage(const std::string& path);

// Error code "5" while trying to read Input File. "/data/new/a.txt". The pair is compared as far as the file could be read.
std::string ReadErrorMessage(int error, const std::string& path);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_ENGINE_TEXTS_H_
