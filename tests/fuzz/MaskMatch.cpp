// Checks the wildcard matcher against a plain dynamic-programming matcher for
// masks without sets. Input: first byte = mask length, then the mask, then
// the name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/portable/Mask.h"

namespace {

char Upper(char C) {
  return C >= 'a' && C <= 'z' ? static_cast<char>(C - 32) : C;
}

bool ReferenceMatch(const std::string& Mask, const std::string& Name) {
  // can[i][j]: the first i mask characters match the first j name characters.
  std::vector<std::vector<bool>> can(Mask.size() + 1, std::vector<bool>(Name.size() + 1));
  can[0][0] = true;
  for (std::size_t i = 1; i <= Mask.size(); ++i) {
    const char m = Mask[i - 1];
    for (std::size_t j = 0; j <= Name.size(); ++j) {
      if (m == '*')
        can[i][j] = can[i - 1][j] || (j > 0 && can[i][j - 1]);
      else if (j > 0)
        can[i][j] = can[i - 1][j - 1] && (m == '?' || Upper(m) == Upper(Name[j - 1]));
    }
  }
  return can[Mask.size()][Name.size()];
}

int StarGroups(const std::string& Mask) {
  int groups = 0;
  for (std::size_t i = 0; i < Mask.size(); ++i)
    if (Mask[i] == '*' && (i == 0 || Mask[i - 1] != '*')) ++groups;
  return groups;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 1) return 0;
  const std::size_t maskLength = std::min<std::size_t>(Data[0], Size - 1);
  std::string mask(reinterpret_cast<const char*>(Data + 1), maskLength);
  const std::string name(reinterpret_cast<const char*>(Data + 1 + maskLength),
                         Size - 1 - maskLength);
  for (char& c : mask)
    if (c == '[') c = '?';
  try {
    const TMask compiled(mask);
    if (StarGroups(mask) > TMask::kMaxStarGroups) std::abort();
    if (compiled.Matches(name) != ReferenceMatch(mask, name)) std::abort();
  } catch (const EMaskException&) {
    if (StarGroups(mask) <= TMask::kMaxStarGroups) std::abort();
  }
  // Sets too: any outcome but a crash or a stray exception is fine.
  try {
    TMask withSets(std::string(reinterpret_cast<const char*>(Data + 1), maskLength));
    withSets.Matches(name);
  } catch (const EMaskException&) {
  }
  return 0;
}
