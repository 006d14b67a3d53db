// The viewer's date and time stamp, following the order, separator and clock
// of the system's date and time forms.
#include "views/viewer_run_stamp.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <optional>

namespace kestrin {
namespace {

enum class DatePart { kDay, kMonth, kYear };

std::string StrFTime(const char* format, const std::tm& time) {
  char buffer[128];
  const size_t length = std::strftime(buffer, sizeof buffer, format, &time);
  return std::string(buffer, length);
}

std::tm ProbeTime(int year, int month, int day, int hour) {
  std::tm time{};
  time.tm_year = year - 1900;
  time.tm_mon = month - 1;
  time.tm_mday = day;
  time.tm_hour = hour;
  time.tm_min = 7;
  time.tm_sec = 5;
  time.tm_isdst = -1;
  return time;
}

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value % 100);
  return buffer;
}

std::optional<DatePart> DatePartOf(std::string_view number) {
  if (number == "22") return DatePart::kDay;
  if (number == "11") return DatePart::kMonth;
  if (number == "33" || number == "2033") return DatePart::kYear;
  return std::nullopt;
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The date sample's three numbers in order and the text between the first
// two; false when the sample is not 22, 11 and 33 (or 2033) in some order.
bool ReadDateOrder(std::string_view sample, std::array<DatePart, 3>* order,
                   std::string* separator) {
  size_t parts = 0;
  size_t previous_end = 0;
  for (size_t position = 0; position < sample.size();) {
    if (!IsDigit(sample[position])) {
      ++position;
      continue;
    }
    const size_t start = position;
    while (position < sample.size() && IsDigit(sample[position])) ++position;
    const std::optional<DatePart> part = DatePartOf(sample.substr(start, position - start));
    if (!part || parts == order->size()) return false;
    if (parts == 1) *separator = std::string(sample.substr(previous_end, start - previous_end));
    (*order)[parts++] = *part;
    previous_end = position;
  }
  return parts == order->size() && (*order)[0] != (*order)[1] && (*order)[1] != (*order)[2] &&
         (*order)[0] != (*order)[2];
}

std::string StampDate(const std::tm& now, std::string_view date_sample) {
  std::array<DatePart, 3> order = {DatePart::kMonth, DatePart::kDay, DatePart::kYear};
  std::string separator = "/";
  if (!ReadDateOrder(date_sample, &order, &separator)) {
    order = {DatePart::kMonth, DatePart::kDay, DatePart::kYear};
    separator = "/";
  }
  std::string date;
  for (size_t i = 0; i < order.size(); ++i) {
    if (i > 0) date += separator;
    switch (order[i]) {
      case DatePart::kDay:
        date += TwoDigits(now.tm_mday);
        break;
      case DatePart::kMonth:
        date += TwoDigits(now.tm_mon + 1);
        break;
      case DatePart::kYear:
        date += TwoDigits(now.tm_year + 1900);
        break;
    }
  }
  return date;
}

std::string StampTime(const std::tm& now, const TimeSamples& samples) {
  const bool twelve_hour = samples.time_of_21_07_05.find("21") == std::string::npos;
  const bool leading_zero = samples.time_of_09_07_05.find("09") != std::string::npos;
  int hour = now.tm_hour;
  if (twelve_hour) hour = hour % 12 == 0 ? 12 : hour % 12;
  std::string time = leading_zero ? TwoDigits(hour) : std::to_string(hour);
  time += ':';
  time += TwoDigits(now.tm_min);
  if (twelve_hour && !samples.am_pm.empty()) {
    time += ' ';
    time += samples.am_pm;
  }
  return time;
}

}  // namespace

TimeSamples LocaleTimeSamples(const std::tm& now) {
  TimeSamples samples;
  samples.date_of_2033_11_22 = StrFTime("%x", ProbeTime(2033, 11, 22, 21));
  samples.time_of_21_07_05 = StrFTime("%X", ProbeTime(2033, 11, 22, 21));
  samples.time_of_09_07_05 = StrFTime("%X", ProbeTime(2033, 11, 22, 9));
  samples.am_pm = StrFTime("%p", now);
  return samples;
}

std::string FormatRunStamp(const std::tm& now, const TimeSamples& samples) {
  return StampDate(now, samples.date_of_2033_11_22) + " " + StampTime(now, samples);
}

std::string CurrentRunStamp() {
  const std::time_t seconds = std::time(nullptr);
  // The program runs on one thread, so the C library's shared result is safe.
  const std::tm* local = std::localtime(&seconds);
  const std::tm now = local != nullptr ? *local : std::tm{};
  return FormatRunStamp(now, LocaleTimeSamples(now));
}

}  // namespace kestrin
