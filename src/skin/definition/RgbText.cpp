#include "skin/definition/RgbText.h"

#include "skin/definition/QuickIni.h"

TColor ParseRgbText(std::string_view Text, TColor Default) {
  Text = SkinText::Trim(Text);
  if (Text.empty()) return Default;
  int parts[3] = {0, 0, 0};
  int taken = 0;
  int number = 0;
  bool pending = false;
  for (char c : Text) {
    if (c >= '0' && c <= '9') {
      number = (number * 10 + (c - '0')) % 256;
      pending = true;
    } else if (pending) {
      if (taken < 3) parts[taken++] = number;
      number = 0;
      pending = false;
    }
  }
  // A number that runs to the end of the text only ever completes a colour.
  if (pending && taken == 2) parts[taken++] = number;
  return ColorFromRgb(parts[0], parts[1], parts[2]);
}
