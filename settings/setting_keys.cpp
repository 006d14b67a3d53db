// The settings file's key table and the order in which loading tests it.
#include "settings/setting_keys.h"

#include <algorithm>
#include <array>

#include "settings/ini_text.h"

namespace kestrin {
namespace {

// Longest stored texts of the viewer values, the font sizes and the save name.
constexpr std::size_t kViewerValueWidth = 4;
constexpr std::size_t kFontSizeWidth = 2;
constexpr std::size_t kSaveNameWidth = 149;
// Longest stored options text.
constexpr std::size_t kOptionsTextWidth = 255;

using Rule = KeyRule;

constexpr std::array<const char*, 2> kDudcEmbeddedChoices = {kDudcEmbeddedYes, kDudcEmbeddedNo};

// The record field reached through the chain of `members`
// (settings.controls.subc_text for &KestrinSettings::controls, &ControlValues::subc_text).
template <auto... members>
SettingField FieldOf(KestrinSettings& settings) {
  // clang-format off
  return &(settings .* ... .* members);
  // clang-format on
}

constexpr std::array kKeys = {
    SettingKey{"Top", Rule::kNumber, 0, FieldOf<&KestrinSettings::Top>},
    SettingKey{"Left", Rule::kNumber, 0, FieldOf<&KestrinSettings::Left>},
    SettingKey{"NewDirNm", Rule::kText, 0, FieldOf<&KestrinSettings::NewDirNm>},
    SettingKey{"NFCombo", Rule::kHistory, 0, FieldOf<&KestrinSettings::NFCombo>},
    SettingKey{"OldDirNm", Rule::kText, 0, FieldOf<&KestrinSettings::OldDirNm>},
    SettingKey{"OFCombo", Rule::kHistory, 0, FieldOf<&KestrinSettings::OFCombo>},
    SettingKey{"CompareType", Rule::kText, 0, FieldOf<&KestrinSettings::CompareType>},
    SettingKey{"ListType", Rule::kChoice, 0,
               FieldOf<&KestrinSettings::controls, &ControlValues::listing_type_text>,
               kListingTypeKeywords},
    SettingKey{"ViewResults", Rule::kFlag, 0, FieldOf<&KestrinSettings::ViewResults>},
    SettingKey{"SubC", Rule::kText, 0,
               FieldOf<&KestrinSettings::controls, &ControlValues::subc_text>},
    SettingKey{"XTab", Rule::kChoice, 0,
               FieldOf<&KestrinSettings::controls, &ControlValues::tab_size_text>, kTabSizeTexts},
    SettingKey{"TurnOffHint", Rule::kFlag, 0, FieldOf<&KestrinSettings::TurnOffHint>},
    SettingKey{"OptsUsed", Rule::kOptions, kOptionsTextWidth, FieldOf<&KestrinSettings::OptsUsed>},
    SettingKey{"PFontSz", Rule::kText, kFontSizeWidth,
               FieldOf<&KestrinSettings::layout, &ViewerLayout::PFontSz>},
    SettingKey{"VLFontSz", Rule::kText, kFontSizeWidth,
               FieldOf<&KestrinSettings::layout, &ViewerLayout::VLFontSz>},
    SettingKey{"VLTop1", Rule::kText, kViewerValueWidth,
               FieldOf<&KestrinSettings::layout, &ViewerLayout::VLTop1>},
    SettingKey{"VLHt1", Rule::kText, kViewerValueWidth,
               FieldOf<&KestrinSettings::layout, &ViewerLayout::VLHt1>},
    SettingKey{"VLWide1", Rule::kText, kViewerValueWidth,
               FieldOf<&KestrinSettings::layout, &ViewerLayout::VLWide1>},
    SettingKey{"VLWide2", Rule::kText, kViewerValueWidth,
               FieldOf<&KestrinSettings::layout, &ViewerLayout::VLWide2>},
    SettingKey{"VLTop2", Rule::kText, kViewerValueWidth,
               FieldOf<&KestrinSettings::layout, &ViewerLayout::VLTop2>},
    SettingKey{"VLLeft1", Rule::kText, kViewerValueWidth,
               FieldOf<&KestrinSettings::layout, &ViewerLayout::VLLeft1>},
    SettingKey{"VLLeft2", Rule::kText, kViewerValueWidth,
               FieldOf<&KestrinSettings::layout, &ViewerLayout::VLLeft2>},
    SettingKey{"SpSplit", Rule::kText, kViewerValueWidth,
               FieldOf<&KestrinSettings::layout, &ViewerLayout::SpSplit>},
    SettingKey{"VLHt2", Rule::kText, kViewerValueWidth,
               FieldOf<&KestrinSettings::layout, &ViewerLayout::VLHt2>},
    SettingKey{"DpEdUdc", Rule::kText, 0,
               FieldOf<&KestrinSettings::controls, &ControlValues::dudc_tag>},
    SettingKey{"UdcYN", Rule::kChoice, 0,
               FieldOf<&KestrinSettings::controls, &ControlValues::dudc_embedded>,
               kDudcEmbeddedChoices},
    SettingKey{"CmpSt1Col", Rule::kRange, 0,
               FieldOf<&KestrinSettings::controls, &ControlValues::new_range1>},
    SettingKey{"CmpSt2Col", Rule::kRange, 0,
               FieldOf<&KestrinSettings::controls, &ControlValues::new_range2>},
    SettingKey{"CmpOSt1Col", Rule::kRange, 0,
               FieldOf<&KestrinSettings::controls, &ControlValues::old_range1>},
    SettingKey{"CmpOSt2Col", Rule::kRange, 0,
               FieldOf<&KestrinSettings::controls, &ControlValues::old_range2>},
    SettingKey{"SvULList", Rule::kSelection, 0, FieldOf<&KestrinSettings::SvULList>},
    SettingKey{"SvLList", Rule::kSelection, 0, FieldOf<&KestrinSettings::SvLList>},
    SettingKey{"OutFn", Rule::kText, kSaveNameWidth, FieldOf<&KestrinSettings::OutFn>},
    SettingKey{"SbsRp", Rule::kFlag, 0, FieldOf<&KestrinSettings::SbsRp>},
    SettingKey{"InclSubDirs", Rule::kFlag, 0, FieldOf<&KestrinSettings::InclSubDirs>},
};

// The order in which loading tests the prefixes.
constexpr std::array<std::string_view, kKeys.size()> kLoadingOrder = {
    "Top",        "Left",    "NewDirNm", "OldDirNm",    "NFCombo",     "OFCombo",   "CompareType",
    "ListType",   "SubC",    "XTab",     "ViewResults", "TurnOffHint", "PFontSz",   "VLFontSz",
    "VLTop1",     "VLTop2",  "SpSplit",  "VLHt1",       "VLHt2",       "VLWide1",   "VLWide2",
    "VLLeft1",    "VLLeft2", "DpEdUdc",  "UdcYN",       "CmpSt1Col",   "CmpSt2Col", "CmpOSt1Col",
    "CmpOSt2Col", "OutFn",   "SvLList",  "SvULList",    "SbsRp",       "OptsUsed",  "InclSubDirs",
};

constexpr std::size_t KeyIndex(std::string_view name) {
  std::size_t index = 0;
  while (index < kKeys.size() && kKeys[index].name != name) ++index;
  return index;
}

// The key table's indices in loading order.
constexpr std::array<std::size_t, kKeys.size()> kLoadingIndices = [] {
  std::array<std::size_t, kKeys.size()> indices{};
  for (std::size_t i = 0; i < kLoadingOrder.size(); ++i) indices[i] = KeyIndex(kLoadingOrder[i]);
  return indices;
}();

// Every key is tested exactly once when loading.
constexpr bool LoadingOrderHoldsEveryKey() {
  for (std::size_t key = 0; key < kKeys.size(); ++key) {
    if (std::count(kLoadingIndices.begin(), kLoadingIndices.end(), key) != 1) return false;
  }
  return true;
}
static_assert(LoadingOrderHoldsEveryKey());

bool SetsKey(std::string_view key_text, const SettingKey& key) {
  if (key.rule == KeyRule::kHistory) {
    return key_text.size() >= key.name.size() &&
           EqualIgnoringCase(key_text.substr(0, key.name.size()), key.name);
  }
  return EqualIgnoringCase(key_text, key.name);
}

}  // namespace

std::span<const SettingKey> SettingKeys() { return kKeys; }

const SettingKey* MatchingKey(std::string_view key_text) {
  for (std::size_t index : kLoadingIndices) {
    if (SetsKey(key_text, kKeys[index])) return &kKeys[index];
  }
  return nullptr;
}

}  // namespace kestrin
