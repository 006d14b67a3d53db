#include "engine/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "engine_support.h"
#include "tests/common/case_table.h"

namespace kestrin {
namespace {

using engine_support::ScratchDirectory;

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

TEST(FileSystemTest, EveryKindOfEntry) {
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
  std::vector<std::string> listed;
  std::vector<std::string> unusable;
  testkit::ForEachCase("tests/engine/cases/path_kinds.txt", [&](const testkit::TableCase& c) {
    const std::string path = scratch.PathOf(c[0]);
    const PathStatus status = fs.Examine(path);
    EXPECT_EQ(kKinds[static_cast<int>(status.kind)], c[1]);
    EXPECT_EQ(status.error, c.Number(2));
    EXPECT_EQ(fs.IsFile(path), c[1] == "file");
    EXPECT_EQ(fs.IsDirectory(path), c[1] == "directory");
    int error = 0;
    if (c[3] != "-") {  // a pipe's open would wait for a writer
      EXPECT_EQ(fs.OpenRead(path, &error) == nullptr, c.Number(3) != 0);
      EXPECT_EQ(error, c.Number(3));
      EXPECT_TRUE(error == 0 || fs.LastError() == error);
    }
    if (c[4] == "listed") listed.push_back(c[0]);
    if (c[4] != "listed" && !c[4].empty()) unusable.push_back(c[0] + ": " + c[4]);
  });
  EXPECT_EQ(Sorted(fs.ListFiles(scratch.path())), listed);
  EXPECT_TRUE(fs.ListFiles(scratch.PathOf("missing")).empty());
  // Every entry ListFiles leaves out but a directory is named with its reason.
  std::vector<std::string> found;
  for (const UnusableEntry& entry : fs.ListUnusable(scratch.path())) {
    found.push_back(entry.name + ": " + entry.reason);
  }
  EXPECT_EQ(Sorted(found), unusable);
  found.clear();
  for (const auto& [name, reason] : fs.ReadDirectory(scratch.path()).broken_links) {
    found.push_back(name + ": " + reason);
  }
  EXPECT_EQ(Sorted(found), unusable);
}

}  // namespace
}  // namespace kestrin
