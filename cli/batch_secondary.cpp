// Writing the --secondary file safely.
#include "cli/batch_secondary.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace kestrin {
namespace {

// A name beside `path` that no file has yet: `path` and a random suffix.
std::string TemporaryNameBeside(const std::string& path) {
  std::random_device random;
  std::error_code error;
  for (;;) {
    const std::string name = path + ".tmp" + std::to_string(random());
    if (!std::filesystem::exists(std::filesystem::symlink_status(name, error))) return name;
  }
}

}  // namespace

bool NamesComparedFile(const std::string& secondary, const std::vector<std::string>& compared) {
  for (const std::string& name : compared) {
    std::error_code error;
    if (name == secondary || std::filesystem::equivalent(name, secondary, error)) return true;
  }
  return false;
}

bool WriteSecondaryFile(const std::vector<std::string>& lines, const std::string& path) {
  const std::string temporary = TemporaryNameBeside(path);
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) {
      file.write(line.data(), static_cast<std::streamsize>(line.size()));
      file.put('\n');
    }
    file.flush();
    if (file) {
      file.close();
      std::error_code error;
      std::filesystem::rename(temporary, path, error);
      if (!error) return true;
    }
  }
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return false;
}

}  // namespace kestrin
