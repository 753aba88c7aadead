#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// A sub-command of skinpack: "skinpack NAME ARGS...".
struct TCommand {
  const char* Name;
  const char* Usage;  // the arguments, for the usage text
  const char* Summary;
  int (*Run)(const std::vector<std::string>& Args);
};

// Every sub-command, in the order the usage text lists them.
const std::vector<TCommand>& Commands();

// A failure that ends the command: main prints the text to stderr and exits
// with status 1.
class ECommandError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Wrong arguments: main prints the usage text and exits with status 2.
class EUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

int RunPack(const std::vector<std::string>& Args);
int RunUnpack(const std::vector<std::string>& Args);
int RunList(const std::vector<std::string>& Args);
int RunInspect(const std::vector<std::string>& Args);
int RunEmbed(const std::vector<std::string>& Args);
int RunExtract(const std::vector<std::string>& Args);
