// Where a report's lines go as they are made, for callers that pass the
// report on line by line instead of keeping it whole.
#ifndef KESTRIN_REPORT_REPORT_SINK_H_
#define KESTRIN_REPORT_REPORT_SINK_H_

#include <string_view>

namespace kestrin {

// The report's two lists: Primary (every line; with Sbsl the new side of the
// listing) and Secondary (with Sbsl the old side of the listing).
enum class ReportList { kPrimary, kSecondary };

class ReportSink {
 public:
  virtual ~ReportSink() = default;

  // Takes the next line of `list`, final and at most 132 characters long.
  // The text is valid only during the call.
  virtual void TakeLine(ReportList list, std::string_view line) = 0;
};

}  // namespace kestrin

#endif  // KESTRIN_REPORT_REPORT_SINK_H_
