// kestrin-batch: the batch program's entry point.
#include <iostream>
#include <string>
#include <vector>

#include "cli/batch_program.h"
#include "engine/file_system.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  return kestrin::RunBatch(arguments, std::cout, std::cerr, kestrin::DefaultFileSystem());
}
