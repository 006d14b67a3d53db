// The record of every value the settings file keeps between runs of the
// program, with the designed values of the windows as its defaults.
#ifndef KESTRIN_SETTINGS_KESTRIN_SETTINGS_H_
#define KESTRIN_SETTINGS_KESTRIN_SETTINGS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/compare_settings.h"
#include "settings/viewer_layout.h"

namespace kestrin {

// Entry 0 of the compare-type selector.
inline constexpr std::string_view kFirstCompareType = "1. New and Old Files Specified";
// The Subc text of an empty Subc field.
inline constexpr std::string_view kDefaultSubc = "\".\"";

// Every key of the settings file. The main window fills its controls from
// this record at creation and copies them back into it before it saves.
struct KestrinSettings {
  int32_t Top = 163;                 // main window top
  int32_t Left = 229;                // main window left
  std::string NewDirNm;              // new name field
  std::vector<std::string> NFCombo;  // its history, in list order
  std::string OldDirNm;              // old name field
  std::vector<std::string> OFCombo;  // its history, in list order
  std::string CompareType{kFirstCompareType};
  bool ViewResults = false;  // "Bypass show of Report Panel" ticked
  bool TurnOffHint = false;  // "Turn off "All" Panel Hints" ticked
  // The options text shown on the main panel: the only stored form of the
  // Dp option and the preferences.
  std::string OptsUsed = "None";
  // The compare controls: ListType, SubC, XTab, DpEdUdc, UdcYN and the four
  // Ccol ranges; its Dp choice and preferences are the ones OptsUsed names.
  ControlValues controls;
  ViewerLayout layout;
  std::string SvULList;  // saved selection of the two-list dialog, rows each followed by ";"
  std::string SvLList;   // saved selection of the like-name dialog, names each followed by ";"
  std::string OutFn;     // last file name saved from a viewer
  bool SbsRp = false;    // the last dual-panel text save used the stacked layout
  // "Include subdirectories" ticked. Written last, so that a file without it
  // (from before the choice existed) reads as clear.
  bool InclSubDirs = false;
};

// The Subc field's text in its one stored form, one character between double
// quotes: empty gives "."; a three-character text that starts with a double
// quote stays; any other text keeps its first character between quotes.
// Example: x gives "x".
std::string NormalisedSubc(std::string_view text);

// What a compare run takes from the settings: the controls the engine's
// snapshot reads, the compare-type text and the saved selections.
struct CompareChoices {
  ControlValues controls;
  std::string compare_type;
  bool include_subdirectories = false;
  std::string like_names_selection;  // SvLList: the names compare type 3 compares
  std::string pairs_selection;       // SvULList: the pairs compare type 4 compares
};

// The compare choices the record holds.
CompareChoices CompareChoicesOf(const KestrinSettings& settings);

}  // namespace kestrin

#endif  // KESTRIN_SETTINGS_KESTRIN_SETTINGS_H_
