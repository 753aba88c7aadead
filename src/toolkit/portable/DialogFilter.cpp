#include "toolkit/portable/DialogFilter.h"

std::string DialogFilterToSystem(std::string_view Filter) {
  std::string out;
  int parts = 0;
  if (!Filter.empty()) {
    ++parts;
    for (char c : Filter) {
      if (c == '|') {
        out += '\0';
        ++parts;
      } else {
        out += c;
      }
    }
    out += '\0';
    if (parts % 2 == 1) out += '\0';  // the missing pattern
  }
  out += '\0';
  if (Filter.empty()) out += '\0';
  return out;
}
