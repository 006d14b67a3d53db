// Writing a saved report to a file: lines ended by carriage return and line
// feed, the file replaced or appended to, and every failure kept with its
// reason so the save can stop and say why.
#ifndef KESTRIN_VIEWS_SAVE_TEXT_FILE_H_
#define KESTRIN_VIEWS_SAVE_TEXT_FILE_H_

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace kestrin {

// Receives the lines of a saved report one by one.
class LineSink {
 public:
  virtual ~LineSink() = default;
  // Takes one line (without its line end). Returns false when the line could
  // not be taken; the caller stops then.
  virtual bool WriteLine(std::string_view line) = 0;
};

// One output file, open from Open until Close or destruction. Bytes are
// written as they are (the report's own 8-bit characters). The first failure
// stops all further writing; what was written before it stays in the file.
class OutputFile : public LineSink {
 public:
  // Creates or replaces `path`, or with `append` opens it to add after its
  // last line (a last line without a line end is ended first, so that the
  // added lines never join it). Returns false on failure.
  bool Open(const std::string& path, bool append);
  bool Write(std::string_view bytes);
  // Writes `line` and a carriage return and line feed.
  bool WriteLine(std::string_view line) override;
  // Flushes and closes the file. Returns false when that or any earlier step
  // failed.
  bool Close();

  // The message for the first failure: the file's name and the system's
  // reason. Empty while nothing failed.
  const std::string& failure() const { return failure_; }

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  bool Fail(int error_number);
  bool EndLastLineIfOpen();

  std::string path_;
  std::unique_ptr<std::FILE, FileCloser> file_;
  std::string failure_;
};

// Writes `bytes` as the whole content of `path`, replacing it. Returns the
// failure message, empty on success.
std::string WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_SAVE_TEXT_FILE_H_
