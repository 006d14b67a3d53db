// Finding and opening the help page.
#include "ui/main/main_window_help.h"

#include <QDesktopServices>
#include <QUrl>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "engine/path.h"
#include "ui/common/qt_strings.h"
#include "views/main_texts.h"

namespace kestrin {

namespace {

// `format` with its one %s replaced by `path`.
std::string WithPath(const char* format, const std::string& path) {
  std::vector<char> text(std::char_traits<char>::length(format) + path.size() + 1);
  std::snprintf(text.data(), text.size(), format, path.c_str());
  return text.data();
}

}  // namespace

bool DesktopHelpViewer::Open(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQt(path)));
}

std::string HelpFilePath(const std::string& program_directory, FileSystem& fs) {
  const std::string beside_program = JoinPath(program_directory, kHelpFileName);
  if (fs.IsFile(beside_program)) return beside_program;
  // KESTRIN_HELP_INSTALL_DIR: the help page's install directory relative to
  // the programs' install directory, as the install rules place them.
  const std::filesystem::path installed =
      std::filesystem::path(program_directory) / KESTRIN_HELP_INSTALL_DIR / kHelpFileName;
  return installed.lexically_normal().string();
}

void OpenHelp(const std::string& program_directory, FileSystem& fs, HelpViewer& viewer,
              RunDialogs& dialogs) {
  const std::string path = HelpFilePath(program_directory, fs);
  if (!fs.IsFile(path)) {
    dialogs.ShowMessage(WithPath(kHelpMissingFormat, path));
  } else if (!viewer.Open(path)) {
    dialogs.ShowMessage(WithPath(kHelpNotOpenedFormat, path));
  }
}

}  // namespace kestrin
