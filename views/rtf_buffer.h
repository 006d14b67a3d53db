// The rich-text buffer behind colour printing and RTF saving: a list of lines,
// each in the text colour current when it was added.
#ifndef KESTRIN_VIEWS_RTF_BUFFER_H_
#define KESTRIN_VIEWS_RTF_BUFFER_H_

#include <string>
#include <vector>

#include "report/report_rows.h"

namespace kestrin {

struct ColouredLine {
  std::string text;
  Rgb colour;
};

class RichTextBuffer {
 public:
  virtual ~RichTextBuffer() = default;

  // Removes every line; the colour becomes black.
  virtual void Clear() = 0;
  // The colour of the lines added from now on.
  virtual void SetColour(Rgb colour) = 0;
  virtual void AddLine(const std::string& text) = 0;
  // Prints every line as one print job named `job_title` on the printer last
  // chosen. Returns false when the job could not start.
  virtual bool Print(const std::string& job_title) = 0;
  // Writes every line to `path` as an RTF file in "Courier New" at 8 points.
  // Returns the failure message, empty on success.
  virtual std::string SaveAsRtf(const std::string& path) = 0;
};

// A rich-text buffer that keeps its lines in memory and saves them through
// the RTF writer; printing is left to the platform's subclass.
class ColouredLineBuffer : public RichTextBuffer {
 public:
  void Clear() override;
  void SetColour(Rgb colour) override;
  void AddLine(const std::string& text) override;
  std::string SaveAsRtf(const std::string& path) override;

  const std::vector<ColouredLine>& lines() const { return lines_; }

 private:
  std::vector<ColouredLine> lines_;
  Rgb colour_{0, 0, 0};
};

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_RTF_BUFFER_H_
