// The checks of the two names before a batch run.
#include "cli/batch_inputs.h"

#include <string_view>

#include "cli/batch_texts.h"
#include "engine/engine_texts.h"

namespace kestrin {
namespace {

struct Side {
  std::string_view label;  // "NEW" or "OLD"
  const std::string& name;
  PathStatus status;
};

// Why one side cannot be compared; empty when it can.
std::string SideFault(const Side& side) {
  const PathStatus& status = side.status;
  switch (status.kind) {
    case PathKind::kFile:
      return {};
    case PathKind::kDirectory:
      if (status.error == 0) return {};
      return NameFaultText(side.label, side.name, kUnreadableDirectory, ErrorReason(status.error));
    case PathKind::kMissing:
      return MissingNameText(side.label, side.name, ErrorReason(status.error));
    case PathKind::kBrokenLink:
      return NameFaultText(side.label, side.name, PathKindName(status.kind),
                           ErrorReason(status.error));
    case PathKind::kPipe:
    case PathKind::kSocket:
    case PathKind::kDevice:
      return NeitherFileNorDirectoryText(side.label, side.name, PathKindName(status.kind));
  }
  return {};
}

// The first option given that only directories take, or empty.
std::string_view DirectoryOptionGiven(const BatchOptions& options) {
  if (options.mask != kAllFilesMask) return "--mask";
  if (!options.select.empty()) return "--select";
  if (!options.select_pairs.empty()) return "--select-pairs";
  if (options.recursive) return "--recursive";
  return {};
}

}  // namespace

std::string InputsError(const BatchOptions& options, FileSystem& fs) {
  const Side sides[] = {{kNewSide, options.new_file, fs.Examine(options.new_file)},
                        {kOldSide, options.old_file, fs.Examine(options.old_file)}};
  std::string error;
  for (const Side& side : sides) {
    const std::string fault = SideFault(side);
    if (fault.empty()) continue;
    if (!error.empty()) error += '\n';
    error += fault;
  }
  if (!error.empty()) return error;
  const Side& new_side = sides[0];
  const Side& old_side = sides[1];
  if (new_side.status.kind != old_side.status.kind) {
    const Side& directory = new_side.status.kind == PathKind::kDirectory ? new_side : old_side;
    const Side& file = &directory == &new_side ? old_side : new_side;
    return DirectoryBesideFileText(directory.label, directory.name, file.label, file.name);
  }
  const std::string_view option = DirectoryOptionGiven(options);
  if (new_side.status.kind == PathKind::kFile && !option.empty()) {
    return OptionOnlyForDirectoriesText(option);
  }
  return {};
}

}  // namespace kestrin
