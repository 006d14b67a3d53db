// The engine's fixed texts: the final messages of a run, status lines, the
// open and seek questions and the positioning and read messages. Every name
// in them is shown by ShownName.
#ifndef KESTRIN_ENGINE_ENGINE_TEXTS_H_
#define KESTRIN_ENGINE_ENGINE_TEXTS_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/file_system.h"

namespace kestrin {

// The final messages; the trailing blanks are part of them.
inline constexpr char kFaultMessage[] =
    "ERROR: Kestrin files/options/code fault failure. Notify Developer.";
inline constexpr char kUserStopMessage[] = "INFORM: The User requested a premature program stop. ";
inline constexpr char kCcolErrorMessage[] = "ERROR: User error. Invalid CCol limits specified.";
inline constexpr char kProblemsMessage[] =
    "INFORM: The processing program has problems processing files. ";
inline constexpr char kDifferencesMessage[] = "INFORM: The processed files have differences.";
inline constexpr char kNothingComparedMessage[] =
    "INFORM: Nothing compared possibly due to filtering. ";
inline constexpr char kFilteredEquivalentMessage[] =
    "INFORM: The processed files compare as filtered equivalent files. ";
inline constexpr char kEquivalentMessage[] =
    "INFORM: The processed files compare as equivalent files. ";

// Which file an open or seek question is about.
enum class OpenStep { kOpenNew, kOpenOld, kSeek };

// Reading Data File(0) - Start Line = 1
std::string ReadingDataStatus(int32_t pair, int64_t start_line);

// Processing Data   NFile = main.pas   OFile = main.pas
std::string ProcessingDataStatus(const std::string& new_name, const std::string& old_name);

// Finding Matching Lines(0) - Start Line = 1 UpTo Line = 7999 .
std::string FindingMatchesStatus(int32_t pair, int64_t start_line, int64_t up_to_line);

// Compare Lines Pass Count (50) Compare Cycles (1201) New Counter, (1187) Old Counter
std::string CompareCyclesStatus(int cycles, int64_t new_line, int64_t old_line);

// Generating Report   NFile = main.pas   OFile = main.pas
std::string GeneratingReportStatus(const std::string& new_name, const std::string& old_name);

// "Read Input Processing   - Line = 500 " (the trailing blank is part of it)
std::string ReadInputStatus(int64_t line);

// Binary ReadFile-Pair(0) File-Offset(131072)
std::string BinaryReadStatus(int32_t pair, int64_t offset);

// Error code "2" while trying to open New Input File. "/data/new/a.txt". Exit Now?
std::string OpenErrorQuestion(OpenStep step, int error, const std::string& path);

// Input File "/data/new/a.txt" ended at byte 512 of 1024.
std::string EndedShortStatus(const std::string& path, int64_t ended_at, int64_t length);

// Error while trying to open "/data/new/a.txt" File
std::string PositionErrorMessage(const std::string& path);

// Error code "5" while trying to read Input File. "/data/new/a.txt". The pair is compared as far as the file could be read.
std::string ReadErrorMessage(int error, const std::string& path);

// What a name stands for, as messages name it: "file", "directory", "named
// pipe", "socket", "device", "symbolic link that cannot be followed", "name
// that cannot be found".
std::string_view PathKindName(PathKind kind);

// Why a directory entry of `kind` is not compared: "named pipe, not a regular
// file". REQUIRES: kind is kPipe, kSocket or kDevice.
std::string NotARegularFileReason(PathKind kind);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_ENGINE_TEXTS_H_
