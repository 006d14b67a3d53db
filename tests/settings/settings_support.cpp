// The one-text description of a settings record.
#include "tests/settings/settings_support.h"

#include <gtest/gtest.h>

#include "engine/compare_settings.h"
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

}  // namespace kestrin
