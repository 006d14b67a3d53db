#include "views/save_text_file.h"

#include <cerrno>
#include <cstring>

#include "report/report_format.h"
#include "views/print_save_texts.h"

namespace kestrin {
namespace {

// True iff the existing file `path` is not empty and its last byte is not a
// line feed. A file that cannot be read counts as ended.
bool LacksFinalLineEnd(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                       &std::fclose);
  if (!file || std::fseek(file.get(), -1, SEEK_END) != 0) return false;
  const int last = std::fgetc(file.get());
  return last != EOF && last != '\n';
}

}  // namespace

bool OutputFile::Open(const std::string& path, bool append) {
  path_ = path;
  failure_.clear();
  const bool end_last_line = append && LacksFinalLineEnd(path);
  file_.reset(std::fopen(path.c_str(), append ? "ab" : "wb"));
  if (!file_) return Fail(errno);
  return !end_last_line || Write(kLineEnd);
}

bool OutputFile::Write(std::string_view bytes) {
  if (!file_ || !failure_.empty()) return false;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) return Fail(errno);
  return true;
}

bool OutputFile::WriteLine(std::string_view line) { return Write(line) && Write(kLineEnd); }

bool OutputFile::Close() {
  if (!file_) return failure_.empty();
  const bool flushed = std::fflush(file_.get()) == 0;
  const int flush_error = errno;
  const bool closed = std::fclose(file_.release()) == 0;
  const int close_error = errno;
  if (!flushed) return Fail(flush_error);
  if (!closed) return Fail(close_error);
  return failure_.empty();
}

bool OutputFile::Fail(int error_number) {
  if (failure_.empty()) {
    failure_ = FormatText(kSaveFailedFormat, path_.c_str(), std::strerror(error_number));
  }
  file_.reset();
  return false;
}

std::string WriteWholeFile(const std::string& path, std::string_view bytes) {
  OutputFile file;
  if (file.Open(path, false) && file.Write(bytes)) file.Close();
  return file.failure();
}

}  // namespace kestrin
