// The kestrin command line: what each form of it asks for.
#include "app/start_command.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/common/case_table.h"

namespace kestrin {
namespace {

using Strings = std::vector<std::string>;

// One command line (after the program's name) as a short text:
// "open NAMES...", "start NAMES..." (with " and a notice" when some were
// left out), "print", or "error <text>".
std::string Outcome(const Strings& arguments) {
  Strings line = {"kestrin"};
  line.insert(line.end(), arguments.begin(), arguments.end());
  const StartCommand command = ReadStartCommand(line);
  switch (command.action) {
    case StartAction::kPrint:
      return StartExitStatus(command) == 0 ? "print" : "print with a failing status";
    case StartAction::kUsageError:
      if (StartExitStatus(command) != 2)
        return "error with status " + std::to_string(StartExitStatus(command));
      return "error " + command.text.substr(0, command.text.find('\n'));
    case StartAction::kOpenWindow:
      break;
  }
  std::string outcome = command.start_at_once ? "start" : "open";
  for (const std::string& name : command.names) outcome += " [" + name + "]";
  return command.notice.empty() ? outcome : outcome + " and a notice";
}

TEST(StartCommandTest, EachCommandLineAsksForWhatItSays) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/app/cases/command_lines.txt")) {
    EXPECT_EQ(Outcome(Strings(c.fields.begin() + 1, c.fields.end())), c[0]) << c.Where();
  }
}

TEST(StartCommandTest, HelpNamesTheProgramAndEveryOption) {
  const std::string help = ReadStartCommand({"/usr/bin/kestrin", "--help"}).text;
  EXPECT_TRUE(help.starts_with("Usage: kestrin [options] [--] [NEW [OLD]]\n")) << help;
  for (const char* option : {"--help", "--version", "--start", "NEW", "OLD"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option << " missing from:\n" << help;
  }
}

TEST(StartCommandTest, VersionIsTheProductNameAndItsVersion) {
  const std::string version = ReadStartCommand({"kestrin", "--version"}).text;
  EXPECT_TRUE(std::regex_match(version, std::regex("Kestrin [0-9]+\\.[0-9]+(\\.[0-9]+)?\n")))
      << version;
}

TEST(StartCommandTest, AUsageErrorPointsToHelp) {
  const std::string error = ReadStartCommand({"kestrin", "--lsit"}).text;
  EXPECT_EQ(error, "Unknown option 'lsit'.\nTry 'kestrin --help' for more information.\n");
}

}  // namespace
}  // namespace kestrin
