#include <QCoreApplication>
#include <iostream>

#include "cli.h"

int main(int argc, char** argv) {
  // For the standard paths and text codecs; no display is needed.
  QCoreApplication app(argc, argv);
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv, argv + argc);
  const int status = RunCli(args, std::cin, std::cout, std::cerr);
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "tenpo-cli: cannot write to standard output\n";
    return 1;
  }
  return status;
}
