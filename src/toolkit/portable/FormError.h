#pragma once
// A form description that cannot be read. The message names the line.

#include <stdexcept>
#include <string>

class EFormError : public std::runtime_error {
 public:
  EFormError(int Line, const std::string& Fault)
      : std::runtime_error("Error in form description, line " + std::to_string(Line) + ": " +
                           Fault),
        FLine(Line),
        FFault(Fault) {}
  int Line() const { return FLine; }
  const std::string& Fault() const { return FFault; }

 private:
  int FLine;
  std::string FFault;
};
