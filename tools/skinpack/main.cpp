#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "Command.h"
#include "SkinFile.h"

namespace {

void PrintUsage() {
  std::fprintf(stderr, "usage:\n");
  for (const TCommand& command : Commands())
    std::fprintf(stderr, "  skinpack %s %s\n      %s\n", command.Name, command.Usage,
                 command.Summary);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintUsage();
    return 2;
  }
  const std::string name = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const TCommand& command : Commands()) {
    if (name != command.Name) continue;
    try {
      InstallMessagePrinter();
      return command.Run(args);
    } catch (const EUsageError& e) {
      std::fprintf(stderr, "skinpack %s: %s\n", command.Name, e.what());
      PrintUsage();
      return 2;
    } catch (const std::exception& e) {
      std::fprintf(stderr, "skinpack %s: %s\n", command.Name, e.what());
      return 1;
    }
  }
  std::fprintf(stderr, "skinpack: unknown command \"%s\"\n", name.c_str());
  PrintUsage();
  return 2;
}
