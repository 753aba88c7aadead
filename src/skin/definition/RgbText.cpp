#include "skin/definition/RgbText.h"

#include <algorithm>

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

std::string RgbTextFault(std::string_view Text) {
  Text = SkinText::Trim(Text);
  if (Text.empty()) return {};
  int numbers = 0;
  bool above = false;
  long long number = -1;
  auto end = [&] {
    if (number < 0) return;
    ++numbers;
    above = above || number > 255;
    number = -1;
  };
  for (char c : Text) {
    if (c >= '0' && c <= '9')
      number = std::min<long long>((number < 0 ? 0 : number) * 10 + (c - '0'), 1000);
    else
      end();
  }
  end();
  if (numbers == 0) return "is not a colour (three numbers for red, green and blue)";
  if (numbers < 3) return "is not three numbers (red, green and blue)";
  if (numbers > 3) return "has more than three numbers (red, green and blue)";
  if (above) return "has a number above 255";
  return {};
}
