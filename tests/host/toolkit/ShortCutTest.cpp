// Menu shortcuts and their text, both ways.
#include <gtest/gtest.h>

#include "toolkit/portable/ShortCut.h"

TEST(ShortCut, TextNamesModifiersInOrderAndTheKey) {
  EXPECT_EQ(ShortCutToText(scCtrl | 'S'), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(scAlt | scShift | scCtrl | 0x74), "Ctrl+Shift+Alt+F5");
  EXPECT_EQ(ShortCutToText(0x2E), "Del");
  EXPECT_EQ(ShortCutToText(scShift | 0x87), "Shift+F24");
  EXPECT_EQ(ShortCutToText(0), "");
  EXPECT_EQ(ShortCutToText(scCtrl | 0xE7), "");  // a key without a name
}

TEST(ShortCut, TextReadsBackIgnoringCase) {
  for (TShortCut s :
       {scCtrl | 'S', scShift | scCtrl | 'Z', scAlt | 0x0D, 0x70, 0x2D | scCtrl, scCtrl | '0'})
    EXPECT_EQ(TextToShortCut(ShortCutToText(s)), s) << ShortCutToText(s);
  EXPECT_EQ(TextToShortCut("ctrl+shift+f12"), scCtrl | scShift | 0x7B);
  EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
  EXPECT_EQ(TextToShortCut("Ctrl+Banana"), 0);
  EXPECT_EQ(TextToShortCut(""), 0);
}
