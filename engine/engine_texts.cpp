// The engine's fixed texts.
#include "engine/engine_texts.h"

#include "engine/path.h"

namespace kestrin {

namespace {

// The piece of "NFile = %s   OFile = %s" that names both files.
std::string FilePairText(const std::string& new_name, const std::string& old_name) {
  return "NFile = " + ShownName(new_name) + "   OFile = " + ShownName(old_name);
}

}  // namespace

std::string ReadingDataStatus(int32_t pair, int64_t start_line) {
  return "Reading Data File(" + std::to_string(pair) +
         ") - Start Line = " + std::to_string(start_line);
}

std::string ProcessingDataStatus(const std::string& new_name, const std::string& old_name) {
  return "Processing Data   " + FilePairText(new_name, old_name);
}

std::string FindingMatchesStatus(int32_t pair, int64_t start_line, int64_t up_to_line) {
  return "Finding Matching Lines(" + std::to_string(pair) +
         ") - Start Line = " + std::to_string(start_line) +
         " UpTo Line = " + std::to_string(up_to_line) + " .";
}

std::string CompareCyclesStatus(int cycles, int64_t new_line, int64_t old_line) {
  return "Compare Lines Pass Count (" + std::to_string(cycles) + ") Compare Cycles (" +
         std::to_string(new_line) + ") New Counter, (" + std::to_string(old_line) +
         ") Old Counter";
}

std::string GeneratingReportStatus(const std::string& new_name, const std::string& old_name) {
  return "Generating Report   " + FilePairText(new_name, old_name);
}

std::string ReadInputStatus(int64_t line) {
  return "Read Input Processing   - Line = " + std::to_string(line) + " ";
}

std::string BinaryReadStatus(int32_t pair, int64_t offset) {
  return "Binary ReadFile-Pair(" + std::to_string(pair) + ") File-Offset(" +
         std::to_string(offset) + ")";
}

std::string OpenErrorQuestion(OpenStep step, int error, const std::string& path) {
  const char* piece = "\" while trying to seek Input File. \"";
  if (step == OpenStep::kOpenNew) piece = "\" while trying to open New Input File. \"";
  if (step == OpenStep::kOpenOld) piece = "\" while trying to open Old Input File. \"";
  return "Error code \"" + std::to_string(error) + piece + ShownName(path) + "\". Exit Now?";
}

std::string PositionErrorMessage(const std::string& path) {
  return "Error while trying to open \"" + ShownName(path) + "\" File";
}

std::string EndedShortStatus(const std::string& path, int64_t ended_at, int64_t length) {
  return "Input File \"" + ShownName(path) + "\" ended at byte " + std::to_string(ended_at) +
         " of " + std::to_string(length) + ".";
}

std::string ReadErrorMessage(int error, const std::string& path) {
  return "Error code \"" + std::to_string(error) + "\" while trying to read Input File. \"" +
         ShownName(path) + "\". The pair is compared as far as the file could be read.";
}

std::string_view PathKindName(PathKind kind) {
  switch (kind) {
    case PathKind::kFile:
      return "file";
    case PathKind::kDirectory:
      return "directory";
    case PathKind::kPipe:
      return "named pipe";
    case PathKind::kSocket:
      return "socket";
    case PathKind::kDevice:
      return "device";
    case PathKind::kBrokenLink:
      return "symbolic link that cannot be followed";
    case PathKind::kMissing:
      break;
  }
  return "name that cannot be found";
}

std::string NotARegularFileReason(PathKind kind) {
  return std::string(PathKindName(kind)) + ", not a regular file";
}

}  // namespace kestrin
