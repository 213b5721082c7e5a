// zhost: the CAD host program.
#include <iostream>
#include <string>
#include <vector>

#include "host/shell/Shell.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return zhost::RunShell(args, std::cin);
}
