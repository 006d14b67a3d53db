// Our RTF writer: coloured lines as an RTF document that word processors
// open, in "Courier New" at 8 points, one paragraph per line.
#ifndef KESTRIN_VIEWS_RTF_WRITER_H_
#define KESTRIN_VIEWS_RTF_WRITER_H_

#include <string>
#include <vector>

#include "views/rtf_buffer.h"

namespace kestrin {

// The RTF document of `lines`. Its colour table lists every colour the lines
// use, in order of first use, and each line is one paragraph that names its
// colour when it differs from the line before. Braces and backslashes are
// escaped, control characters written as \'hh, and characters outside ASCII
// (decoded as the viewers show them) as \uN with "?" for readers without
// Unicode.
//
// Sample: {\rtf1\ansi\ansicpg1252\deff0\uc1{\fonttbl{\f0\fmodern\fcharset0 Courier New;}}
//         {\colortbl;\red255\green0\blue0;}\pard\plain\f0\fs16\cf1 caption\par ... }
std::string RtfDocument(const std::vector<ColouredLine>& lines);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_RTF_WRITER_H_
