// Form description parser on arbitrary text: it either returns a tree or
// throws EFormError, and never reads outside the text.
#include "toolkit/portable/FormParser.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  try {
    ParseFormDescription(std::string_view(reinterpret_cast<const char*>(Data), Size));
  } catch (const EFormError&) {
  }
  return 0;
}
