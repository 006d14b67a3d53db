// Helpers shared by the settings file's tests.
#include "tests/settings/settings_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/compare_settings.h"
#include "engine/path.h"
#include "settings/settings_file.h"
#include "settings/settings_texts.h"

namespace kestrin {

std::string SettingsDescription(const KestrinSettings& settings) {
  testkit::ScratchDirectory directory;
  const std::string path = directory.PathOf(kSettingsFileName);
  const SaveOutcome outcome = SaveSettings(settings, path, DefaultFileSystem());
  EXPECT_TRUE(outcome.saved) << outcome.reason;
  std::string description = testkit::ReadFile(path);
  description += "dp=" + std::string(DpKeyword(static_cast<DpChoice>(settings.controls.dp_choice)));
  std::string ticked;
  for (int i = 0; i < kPreferenceCount; ++i) {
    if (settings.controls.preferences[i]) {
      ticked +=
          (ticked.empty() ? "" : ",") + std::string(PreferenceKeyword(static_cast<Preference>(i)));
    }
  }
  return description + "\nticked=" + ticked + "\n";
}

KestrinSettings SettingsLoadedFromText(const testkit::ScratchDirectory& directory,
                                       std::string_view contents) {
  const std::string path = directory.PathOf(kSettingsFileName);
  testkit::WriteFile(path, contents);
  return LoadSettings(path, DefaultFileSystem());
}

}  // namespace kestrin
