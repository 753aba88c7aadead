#pragma once

#include <stdexcept>
#include <string>

// Raised by the LZHUF coder. Carries a message text only.
class ElzhException : public std::runtime_error {
 public:
  explicit ElzhException(const std::string& Message) : std::runtime_error(Message) {}
};

namespace LzhMessages {
inline constexpr const char* kNoMemory = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* kFreeFailed = "LZH : Error freeing memory for dictionary tables";
}  // namespace LzhMessages
