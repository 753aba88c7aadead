#include "shell/portable/MaskException.h"

namespace {

std::string InvalidMaskMessage(const std::string& Mask, int Position) {
  return "'" + Mask + "' is an invalid mask at (" + std::to_string(Position) + ")";
}

}  // namespace

EMaskException::EMaskException(const std::string& Mask, int Position)
    : std::runtime_error(InvalidMaskMessage(Mask, Position)), FMask(Mask), FPosition(Position) {}
