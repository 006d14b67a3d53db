// The stamp of a viewer opening: the date and time shown in the viewer's
// caption and in saved report headings.
#ifndef KESTRIN_VIEWS_VIEWER_RUN_STAMP_H_
#define KESTRIN_VIEWS_VIEWER_RUN_STAMP_H_

#include <ctime>
#include <string>
#include <string_view>

namespace kestrin {

// How the system writes dates and times, read from sample outputs of the
// C library's %x and %X for fixed probe times (see LocaleTimeSamples).
struct TimeSamples {
  std::string date_of_2033_11_22;  // %x of 22 November 2033
  std::string time_of_21_07_05;    // %X of 21:07:05
  std::string time_of_09_07_05;    // %X of 09:07:05
  std::string am_pm;               // %p of the time being stamped
};

// The samples of the current C locale for the time `now`.
TimeSamples LocaleTimeSamples(const std::tm& now);

// The stamp of `now`: the date in the samples' order and separator with day,
// month and year as two digits each, one blank, hours and minutes joined by a
// colon, e.g. "11/22/33 21:07"; the hour has a leading zero when the system's
// time has one, and a 12-hour clock adds a blank and the AM or PM text, e.g.
// "22.11.33 9:07 PM". A date sample that is not three numbers falls back to
// month/day/year.
std::string FormatRunStamp(const std::tm& now, const TimeSamples& samples);

// The stamp of the current local time in the current C locale.
std::string CurrentRunStamp();

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_VIEWER_RUN_STAMP_H_
