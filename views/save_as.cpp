#include "views/save_as.h"

#include <string_view>

#include "engine/path.h"
#include "views/print_save_texts.h"

namespace kestrin {
namespace {

// OutFn keeps at most this many characters.
constexpr size_t kStoredNameWidth = 149;
constexpr char kFilterSeparator = '|';

std::vector<SaveFilter> SaveFilters() {
  std::vector<std::string> parts;
  std::string_view rest = kSaveDialogFilter;
  for (size_t bar = rest.find(kFilterSeparator); bar != std::string_view::npos;
       bar = rest.find(kFilterSeparator)) {
    parts.emplace_back(rest.substr(0, bar));
    rest.remove_prefix(bar + 1);
  }
  parts.emplace_back(rest);
  std::vector<SaveFilter> filters;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) filters.push_back({parts[i], parts[i + 1]});
  return filters;
}

// The extension of the file name part of `name`, from its last dot on;
// empty when the file name has no dot.
std::string Extension(const std::string& name) {
  const std::string file = NamePart(name);
  const size_t dot = file.rfind('.');
  return dot == std::string::npos ? std::string() : file.substr(dot);
}

}  // namespace

SaveDialogRequest SaveDialogFor(PrintPanel panel, const std::string& out_fn,
                                const std::string& new_directory_text, FileSystem& files) {
  SaveDialogRequest request;
  request.title = kSaveDialogTitle;
  request.filters = SaveFilters();
  request.confirm_replace = panel == PrintPanel::kSingle;
  if (!out_fn.empty() && files.IsFile(out_fn)) {
    request.start_directory = DirectoryPart(out_fn);
    request.proposed_name = NamePart(out_fn);
  } else {
    request.start_directory = DirectoryPart(new_directory_text);
  }
  return request;
}

std::string CompleteSaveName(const std::string& chosen) {
  return Extension(chosen).empty() ? chosen + kDefaultTextExtension : chosen;
}

bool IsRtfName(const std::string& name) { return LowerAscii(Extension(name)) == kRtfExtension; }

std::string StoredSaveName(const std::string& name) { return name.substr(0, kStoredNameWidth); }

}  // namespace kestrin
