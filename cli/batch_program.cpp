// Placeholder until the report lands: only --help and --version.
#include "cli/batch_program.h"

#include <ostream>

namespace kestrin {

int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.size() == 1 && arguments[0] == "--version") {
    out << "Kestrin V1.4b\n";
    return 0;
  }
  err << "usage: kestrin-batch [options] NEW OLD\n";
  return arguments.size() == 1 && arguments[0] == "--help" ? 0 : 2;
}

}  // namespace kestrin
