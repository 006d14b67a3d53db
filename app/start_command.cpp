// Reading the kestrin command line with Qt's parser.
#include "app/start_command.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <utility>

#include "app/start_texts.h"

namespace kestrin {
namespace {

// Arguments pass through the parser as Latin-1, one character per byte, so
// a name that is not valid in the locale's encoding comes back unchanged.
QStringList AsParserArguments(const std::vector<std::string>& arguments) {
  QStringList list;
  for (const std::string& argument : arguments) {
    list << QString::fromLatin1(argument.data(), static_cast<qsizetype>(argument.size()));
  }
  return list;
}

std::string AsBytes(const QString& text) { return text.toLatin1().toStdString(); }

// A command that ends the program with `text` before any window opens.
StartCommand Ending(StartAction action, std::string text) {
  StartCommand command;
  command.action = action;
  command.text = std::move(text);
  return command;
}

StartCommand UsageError(const std::string& error) {
  return Ending(StartAction::kUsageError, error + "\n" + kSeeHelp);
}

// The parser's help text under our usage line: its own first line names the
// program only when an application object exists, which it does not yet.
std::string HelpText(const QCommandLineParser& parser) {
  const std::string help = AsBytes(parser.helpText());
  const size_t first_line_end = help.find('\n');
  return kStartUsageLine +
         (first_line_end == std::string::npos ? help : help.substr(first_line_end + 1));
}

}  // namespace

int StartExitStatus(const StartCommand& command) {
  return command.action == StartAction::kUsageError ? 2 : 0;
}

StartCommand ReadStartCommand(const std::vector<std::string>& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(kStartDescription);
  const QCommandLineOption help({"h", "help"}, kHelpOptionText);
  const QCommandLineOption version({"v", "version"}, kVersionOptionText);
  const QCommandLineOption start("start", kStartOptionText);
  parser.addOptions({help, version, start});
  parser.addPositionalArgument("NEW", kNewArgumentText, "[NEW");
  parser.addPositionalArgument("OLD", kOldArgumentText, "[OLD]]");

  if (!parser.parse(AsParserArguments(arguments))) return UsageError(AsBytes(parser.errorText()));
  if (parser.isSet(help)) return Ending(StartAction::kPrint, HelpText(parser));
  if (parser.isSet(version)) {
    return Ending(StartAction::kPrint, std::string(kVersionPrefix) + KESTRIN_VERSION + "\n");
  }
  StartCommand command;
  for (const QString& name : parser.positionalArguments()) command.names.push_back(AsBytes(name));
  command.start_at_once = parser.isSet(start);
  if (command.names.size() > 2) {
    command.names.resize(2);
    command.notice = kExtraNamesNotice;
  }
  if (command.start_at_once && command.names.size() != 2)
    return UsageError(kStartNeedsTwoNamesError);
  return command;
}

}  // namespace kestrin
