#include "views/sbs_preference.h"

#include "report/report_format.h"
#include "views/print_save_texts.h"

namespace kestrin {

void PrepareSbsControls(SbsControls& controls, const SbsRequest& request) {
  controls.stacked = request.stacked;
  controls.append_enabled = request.file_exists;
}

SbsAnswer SbsAnswerFrom(const SbsControls& controls) {
  SbsAnswer answer;
  answer.stacked = controls.stacked;
  if (controls.title_checked && !controls.title_text.empty()) answer.title = controls.title_text;
  answer.append = controls.append_enabled && controls.append_checked;
  return answer;
}

std::string SaveLineLengthCaption(int width) { return FormatText(kSbsLineLengthFormat, width); }

}  // namespace kestrin
