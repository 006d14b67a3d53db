// The batch program's command line.
#include "cli/batch_options.h"

#include <array>
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

// The options that take no value, each under every name it has.
enum class FlagOption { kHelp, kVersion, kProgress, kRecursive };

struct NamedFlag {
  std::string_view name;
  FlagOption option;
};
constexpr NamedFlag kFlagOptions[] = {
    {"--help", FlagOption::kHelp},
    {"--version", FlagOption::kVersion},
    {"--progress", FlagOption::kProgress},
    {"--recursive", FlagOption::kRecursive},
    {"-r", FlagOption::kRecursive},
};

std::optional<FlagOption> FlagOptionNamed(std::string_view name) {
  for (const NamedFlag& named : kFlagOptions) {
    if (named.name == name) return named.option;
  }
  return std::nullopt;
}

// The --options text as the settings file stores it, or why it is refused.
std::string CheckedOptionsText(const std::string& value, std::string& error) {
  const OptionsCheck check = CheckOptionsText(value);
  if (check.fault == OptionsFault::kUnknownKeyword) {
    error = std::string(kUnknownKeywordError) + check.word;
  } else if (check.fault == OptionsFault::kSecondDpKeyword) {
    error = std::string(kSecondDpKeywordError) + check.word;
  }
  return check.text;
}

class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  BatchArguments Read() {
    BatchArguments result;
    std::vector<std::string> files;
    bool options_ended = false;
    while (next_ < arguments_.size() && error_.empty()) {
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
    if (const std::optional<FlagOption> flag = FlagOptionNamed(argument)) {
      if (FirstTime(static_cast<int>(*flag), argument)) SetFlag(*flag, options);
      return;
    }
    const size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const std::optional<ValueOption> option = ValueOptionNamed(name);
    if (!option) {
      error_ = std::string(kUnknownOptionError) + argument;
      return;
    }
    if (!FirstTime(SeenIndex(*option), name)) return;
    if ((*option == ValueOption::kSelect && given_[SeenIndex(ValueOption::kSelectPairs)]) ||
        (*option == ValueOption::kSelectPairs && given_[SeenIndex(ValueOption::kSelect)])) {
      error_ = kSelectWithSelectPairsError;
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

  static constexpr int kFlagOptionCount = static_cast<int>(FlagOption::kRecursive) + 1;
  static constexpr int kOptionCount = kFlagOptionCount + static_cast<int>(std::size(kValueOptions));
  static int SeenIndex(ValueOption option) { return kFlagOptionCount + static_cast<int>(option); }

  // True the first time the option numbered `index` is given; a second time
  // is refused, so that no value silently wins over another.
  bool FirstTime(int index, std::string_view name) {
    if (given_[index]) {
      error_ = std::string(kRepeatedOptionError) + std::string(name);
      return false;
    }
    given_[index] = true;
    return true;
  }

  static void SetFlag(FlagOption flag, BatchOptions& options) {
    switch (flag) {
      case FlagOption::kHelp:
        options.help = true;
        break;
      case FlagOption::kVersion:
        options.version = true;
        break;
      case FlagOption::kProgress:
        options.progress = true;
        break;
      case FlagOption::kRecursive:
        options.recursive = true;
        break;
    }
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
        options.options_text = CheckedOptionsText(value, error_);
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
  std::array<bool, kOptionCount> given_{};  // by option: flags first, then value options
};

}  // namespace

BatchArguments ParseBatchArguments(const std::vector<std::string>& arguments) {
  return ArgumentReader(arguments).Read();
}

}  // namespace kestrin
