// Reading the kestrin command line with Qt's parser.
#include "app/start_command.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

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

StartCommand UsageError(const std::string& error) {
  return StartCommand{StartAction::kUsageError, error + "\n" + kSeeHelp, {}, false};
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
  if (parser.isSet(help)) return StartCommand{StartAction::kPrint, HelpText(parser), {}, false};
  if (parser.isSet(version)) {
    return StartCommand{
        StartAction::kPrint, std::string(kVersionPrefix) + KESTRIN_VERSION + "\n", {}, false};
  }
  StartCommand command;
  for (const QString& name : parser.positionalArguments()) command.names.push_back(AsBytes(name));
  command.start_at_once = parser.isSet(start);
  if (command.names.size() > 2) return UsageError(kTooManyNamesError);
  if (command.start_at_once && command.names.size() != 2)
    return UsageError(kStartNeedsTwoNamesError);
  return command;
}

}  // namespace kestrin
