// The Dp filters for comments that may span lines: brace and
// parenthesis-star comments, slash-star comments and HTML comments. An open
// comment is carried to the next line (and section) of the same side.
#include "engine/dp_filter_text.h"

namespace kestrin::dp {
namespace {

enum class OpenComment { kNone, kParenStar, kBrace };

// Takes over a comment left open by the previous line: it starts at position 1.
OpenComment TakeCarriedBrace(DpCarry& carry) {
  OpenComment open = OpenComment::kNone;
  if (carry.InParenStar) open = OpenComment::kParenStar;
  if (carry.InBrace) open = OpenComment::kBrace;
  carry.InParenStar = carry.InBrace = false;
  return open;
}

}  // namespace

void FilterBraceComments(FilterText& text, DpCarry& carry, bool double_slash) {
  OpenComment open = TakeCarriedBrace(carry);
  int32_t start = 1;
  // Apostrophe strings are followed outside comments only: an apostrophe in a
  // comment's prose ("{ don't }") quotes nothing. A doubled apostrophe
  // toggles twice, so it stays one quoted apostrophe.
  bool in_apostrophe_string = false;
  for (int32_t p = 1; p <= text.length(); ++p) {
    const char c = text.At(p);
    const char n = text.At(p + 1);
    if (open == OpenComment::kParenStar) {
      if (c == '*' && n == ')') {
        text.CutSpan(start, p + 1);
        open = OpenComment::kNone;
        ++p;
      }
    } else if (open == OpenComment::kBrace) {
      if (c == '}') {
        text.CutSpan(start, p);
        open = OpenComment::kNone;
      }
    } else if (double_slash && c == '/' && n == '/') {
      text.CutToEnd(p);
      return;
    } else if ((c == '(' || (double_slash && c == '/')) && n == '*') {
      open = OpenComment::kParenStar;
      start = p;
      ++p;
    } else if (c == '{' && n != '$') {  // "{$" is a compiler directive: code
      open = OpenComment::kBrace;
      start = p;
    } else if (double_slash && c == '\'') {
      in_apostrophe_string = !in_apostrophe_string;
    }
  }
  // A comment mark met inside a string that is still open is no comment to
  // carry.
  if (open == OpenComment::kNone || in_apostrophe_string) return;
  text.CutToEnd(start);
  carry.InParenStar = open == OpenComment::kParenStar;
  carry.InBrace = open == OpenComment::kBrace;
}

void FilterSlashComments(FilterText& text, DpCarry& carry) {
  bool in_string = carry.InStringCarry;
  bool in_comment = carry.InSlashStar;
  carry.InStringCarry = carry.InSlashStar = false;
  int32_t start = 1;
  for (int32_t p = 1; p <= text.length(); ++p) {
    const char c = text.At(p);
    const char n = text.At(p + 1);
    if (in_comment) {
      // Inside a slash-star comment only its end counts: quotes and slashes
      // in the comment's prose must not keep it open or end it early.
      if (c == '*' && n == '/') {
        text.CutSpan(start, p + 1);
        in_comment = false;
        ++p;
      }
    } else if (c == '\\' || (c == '"' && n == '\'')) {
      ++p;
    } else if (c == '"') {
      in_string = !in_string;
    } else if (c == '/' && !in_string && n == '/') {
      text.CutToEnd(p);
      return;
    } else if (c == '/' && !in_string && n == '*') {
      in_comment = true;
      start = p;
      ++p;
    }
  }
  if (in_comment) {
    text.CutToEnd(start);
    carry.InSlashStar = true;
  } else {
    carry.InStringCarry = in_string;
  }
}

void FilterHtmlComments(FilterText& text, DpCarry& carry) {
  bool open = carry.InHtml;
  carry.InHtml = false;
  int32_t start = 1;
  for (int32_t p = 1; p < text.length(); ++p) {
    if (open) {
      if (text.At(p) == '-' && text.At(p + 1) == '-' && text.At(p + 2) == '>' &&
          p + 2 <= text.length()) {
        text.CutSpan(start, p + 2);
        open = false;
        p += 2;
      }
    } else if (p + 3 <= text.length() && text.At(p) == '<' && text.At(p + 1) == '!' &&
               text.At(p + 2) == '-' && text.At(p + 3) == '-') {
      open = true;
      start = p;
      p += 3;
    }
  }
  if (!open) return;
  text.CutToEnd(start);
  carry.InHtml = true;
}

}  // namespace kestrin::dp
