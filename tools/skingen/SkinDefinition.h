// The definition text of the program's skin: which image each element uses,
// how its frames are cut and placed, the title buttons and the colours.
#pragma once

#include <string>

class TSkinDefinition {
 public:
  // The text as it is stored in the skin, CR LF line ends.
  std::string Text() const;
};
