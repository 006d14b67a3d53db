// The batch program's command line.
#include "cli/batch_options.h"

#include <optional>
#include <string_view>

#include "cli/batch_texts.h"
#include "engine/compare_settings.h"
#include "engine/path.h"
#include "run/directory_listing.h"

namespace kestrin {
namespace {

// The listing type's keyword for `text` in any letter case.
std::optional<std::string> ListingTypeKeyword(std::string_view text) {
  for (std::string_view keyword : kListingTypeKeywords) {
    if (LowerAscii(keyword) == LowerAscii(text)) return std::string(keyword);
  }
  return std::nullopt;
}

enum class ValueOption { kList, kOptions, kSecondary, kSettings, kMask, kSelect, kSelectPairs };

struct NamedOption {
  std::string_view name;
  ValueOption option;
};
constexpr NamedOption kValueOptions[] = {
    {"--list", ValueOption::kList},         {"--options", ValueOption::kOptions},
    {"--secondary", ValueOption::kSecondary}, {"--settings", ValueOption::kSettings},
    {"--mask", ValueOption::kMask},         {"--select", ValueOption::kSelect},
    {"--select-pairs", ValueOption::kSelectPairs},
};

std::optional<ValueOption> ValueOptionNamed(std::string_view name) {
  for (const NamedOption& named : kValueOptions) {
    if (named.name == name) return named.option;
  }
  return std::nullopt;
}

class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  BatchArguments Read() {
    BatchArguments result;
    std::vector<std::string> files;
    bool options_ended = false;
    for (next_ = 0; next_ < arguments_.size() && error_.empty();) {
      const std::string& argument = arguments_[next_++];
      if (options_ended || argument == "-" || !argument.starts_with("-")) {
        files.push_back(argument);
      } else if (argument == "--") {
        options_ended = true;
      } else {
        ReadOption(argument, result.options);
      }
    }
    if (error_.empty() && !result.options.help && !result.options.version) {
      if (files.size() == 2) {
        result.options.new_file = files[0];
        result.options.old_file = files[1];
      } else {
        error_ = kFileCountError;
      }
    }
    result.valid = error_.empty();
    result.error = error_;
    return result;
  }

 private:
  void ReadOption(const std::string& argument, BatchOptions& options) {
    if (argument == "--help") {
      options.help = true;
      return;
    }
    if (argument == "--version") {
      options.version = true;
      return;
    }
    if (argument == "--progress") {
      options.progress = true;
      return;
    }
    if (argument == "--recursive" || argument == "-r") {
      options.recursive = true;
      return;
    }
    const size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const std::optional<ValueOption> option = ValueOptionNamed(name);
    if (!option) {
      error_ = std::string(kUnknownOptionError) + argument;
      return;
    }
    std::string value;
    if (equals != std::string::npos) {
      value = argument.substr(equals + 1);
    } else if (next_ < arguments_.size()) {
      value = arguments_[next_++];
    } else {
      error_ = std::string(kMissingValueError) + name;
      return;
    }
    SetValue(*option, value, options);
  }

  void SetValue(ValueOption option, const std::string& value, BatchOptions& options) {
    switch (option) {
      case ValueOption::kList:
        if (const auto keyword = ListingTypeKeyword(value)) {
          options.listing_type = *keyword;
        } else {
          error_ = std::string(kUnknownListingTypeError) + value;
        }
        break;
      case ValueOption::kOptions:
        options.options_text = value;
        break;
      case ValueOption::kSecondary:
        options.secondary_file = value;
        break;
      case ValueOption::kSettings:
        options.settings_file = value;
        break;
      case ValueOption::kMask:
        options.mask = value.empty() ? std::string(kAllFilesMask) : value;
        break;
      case ValueOption::kSelect:
        options.select = value;
        break;
      case ValueOption::kSelectPairs:
        options.select_pairs = value;
        break;
    }
  }

  const std::vector<std::string>& arguments_;
  size_t next_ = 0;
  std::string error_;
};

}  // namespace

BatchArguments ParseBatchArguments(const std::vector<std::string>& arguments) {
  return ArgumentReader(arguments).Read();
}

}  // namespace kestrin
