#pragma once
// Raised by TMask for a mask it cannot compile.

#include <stdexcept>
#include <string>

class EMaskException : public std::runtime_error {
 public:
  // Position is 1-based: where reading the mask stopped.
  EMaskException(const std::string& Mask, int Position);
  const std::string& Mask() const { return FMask; }
  int Position() const { return FPosition; }

 private:
  std::string FMask;
  int FPosition;
};
