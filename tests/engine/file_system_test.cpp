#include "engine/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "engine_support.h"
#include "tests/common/case_table.h"

namespace kestrin {
namespace {

using engine_support::ScratchDirectory;

TEST(FileSystemTest, OpenFailuresGiveTheSystemErrorNumber) {
  ScratchDirectory scratch;
  struct Case {
    std::string path;
    int error;
  } const cases[] = {
      {scratch.PathOf("missing.txt"), ENOENT},
      {scratch.path(), EISDIR},
  };
  for (const Case& c : cases) {
    int error = 0;
    EXPECT_EQ(DefaultFileSystem().OpenRead(c.path, &error), nullptr) << c.path;
    EXPECT_EQ(error, c.error) << c.path;
    EXPECT_EQ(DefaultFileSystem().LastError(), c.error) << c.path;
  }
}

TEST(FileSystemTest, FilesAndDirectoriesAreToldApart) {
  ScratchDirectory scratch;
  const std::string file = scratch.Write("a.txt", "x");
  std::filesystem::create_directory(scratch.PathOf("sub"));
  std::filesystem::create_symlink(file, scratch.PathOf("link.txt"));
  std::filesystem::create_directory_symlink(scratch.PathOf("sub"), scratch.PathOf("dirlink"));
  std::filesystem::create_symlink(scratch.PathOf("gone"), scratch.PathOf("dangling"));
  std::filesystem::create_symlink("loop", scratch.PathOf("loop"));
  ASSERT_EQ(mkfifo(scratch.PathOf("pipe").c_str(), 0600), 0);
  std::filesystem::create_symlink(scratch.PathOf("pipe"), scratch.PathOf("pipelink"));
  FileSystem& fs = DefaultFileSystem();
  const char* const kKinds[] = {"file",   "directory",   "pipe",   "socket",
                                "device", "broken link", "missing"};
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/engine/cases/path_kinds.txt")) {
    testkit::CaseScope scope(c);
    const std::string path = scratch.PathOf(c[0]);
    const PathStatus status = fs.Examine(path);
    EXPECT_EQ(kKinds[static_cast<int>(status.kind)], c[1]);
    EXPECT_EQ(status.error, c.Number(2));
    EXPECT_EQ(fs.IsFile(path), c[1] == "file");
    EXPECT_EQ(fs.IsDirectory(path), c[1] == "directory");
  }
  std::vector<std::string> names = fs.ListFiles(scratch.path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "link.txt"}));
  EXPECT_TRUE(fs.ListFiles(scratch.PathOf("missing")).empty());
  // Every entry ListFiles leaves out but a directory is named with its reason.
  const std::vector<std::string> expected = {
      "dangling: No such file or directory", "loop: Too many levels of symbolic links",
      "pipe: named pipe, not a regular file", "pipelink: named pipe, not a regular file"};
  std::vector<std::string> unusable;
  for (const UnusableEntry& entry : fs.ListUnusable(scratch.path())) {
    unusable.push_back(entry.name + ": " + entry.reason);
  }
  std::sort(unusable.begin(), unusable.end());
  EXPECT_EQ(unusable, expected);
  std::vector<std::string> broken;
  for (const auto& [name, reason] : fs.ReadDirectory(scratch.path()).broken_links) {
    broken.push_back(name + ": " + reason);
  }
  std::sort(broken.begin(), broken.end());
  EXPECT_EQ(broken, expected);
}

}  // namespace
}  // namespace kestrin
