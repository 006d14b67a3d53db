#include "views/rtf_writer.h"

#include <cstdint>
#include <string>

#include "report/report_format.h"
#include "views/display_text.h"
#include "views/print_save_texts.h"
#include "views/viewer_texts.h"

namespace kestrin {
namespace {

constexpr char kDocumentStart[] = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
// Sample: {\fonttbl{\f0\fmodern\fcharset0 Courier New;}}
constexpr char kFontTableFormat[] = "{\\fonttbl{\\f0\\fmodern\\fcharset0 %s;}}\n";
constexpr char kColourTableStart[] = "{\\colortbl;";
constexpr char kColourTableEnd[] = "}\n";
// Sample: \red255\green0\blue0;
constexpr char kColourEntryFormat[] = "\\red%d\\green%d\\blue%d;";
// Sample: \pard\plain\f0\fs16
constexpr char kParagraphStartFormat[] = "\\pard\\plain\\f0\\fs%d\n";
// Sample: \cf2 (table entries count from 1; 0 is the reader's default)
constexpr char kColourSwitchFormat[] = "\\cf%d ";
// Sample: \'0c
constexpr char kByteFormat[] = "\\'%02x";
// Sample: \u233?  (N is a signed 16-bit value)
constexpr char kUnicodeFormat[] = "\\u%d?";
constexpr char kLineEndWord[] = "\\par\n";
constexpr char kDocumentEnd[] = "}\n";

constexpr char16_t kFirstPrintable = 0x20;
constexpr char16_t kLastAscii = 0x7E;

bool SameColour(Rgb a, Rgb b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }

// The colour table's colours in order of first use.
std::vector<Rgb> UsedColours(const std::vector<ColouredLine>& lines) {
  std::vector<Rgb> colours;
  for (const ColouredLine& line : lines) {
    bool known = false;
    for (Rgb colour : colours) known = known || SameColour(colour, line.colour);
    if (!known) colours.push_back(line.colour);
  }
  return colours;
}

int TableIndex(const std::vector<Rgb>& colours, Rgb colour) {
  for (size_t i = 0; i < colours.size(); ++i) {
    if (SameColour(colours[i], colour)) return static_cast<int>(i) + 1;
  }
  return 0;
}

// Appends one UTF-16 unit of a displayed line; a character beyond U+FFFF
// comes as its two surrogate units, which RTF readers join again.
void AppendUnit(std::string& rtf, char16_t unit) {
  if (unit == '\\' || unit == '{' || unit == '}') {
    rtf += '\\';
    rtf += static_cast<char>(unit);
  } else if (unit >= kFirstPrintable && unit <= kLastAscii) {
    rtf += static_cast<char>(unit);
  } else if (unit <= kLastAscii + 1) {
    rtf += FormatText(kByteFormat, static_cast<unsigned>(unit));
  } else {
    rtf += FormatText(kUnicodeFormat, static_cast<int>(static_cast<int16_t>(unit)));
  }
}

}  // namespace

std::string RtfDocument(const std::vector<ColouredLine>& lines) {
  const std::vector<Rgb> colours = UsedColours(lines);
  std::string rtf = kDocumentStart;
  rtf += FormatText(kFontTableFormat, kReportFontFamily);
  rtf += kColourTableStart;
  for (Rgb colour : colours) {
    rtf += FormatText(kColourEntryFormat, colour.red, colour.green, colour.blue);
  }
  rtf += kColourTableEnd;
  rtf += FormatText(kParagraphStartFormat, kRichTextFontPoints * 2);
  int current = 0;
  for (const ColouredLine& line : lines) {
    const int index = TableIndex(colours, line.colour);
    if (index != current) {
      rtf += FormatText(kColourSwitchFormat, index);
      current = index;
    }
    for (char16_t unit : DisplayUnits(line.text)) AppendUnit(rtf, unit);
    rtf += kLineEndWord;
  }
  rtf += kDocumentEnd;
  return rtf;
}

}  // namespace kestrin
