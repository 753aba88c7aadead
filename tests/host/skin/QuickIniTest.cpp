#include <gtest/gtest.h>

#include "skin/definition/QuickIni.h"
#include "skin/definition/RgbText.h"

namespace {

TQuickIni Parse(std::string_view Text) {
  TQuickIni ini;
  ini.LoadFromText(Text);
  return ini;
}

}  // namespace

TEST(QuickIni, LinesSectionsAndKeysIgnoreBlanksAndCase) {
  TQuickIni ini = Parse("[Buttons]\r\n  LeftWidth = 3  \r\n\n; a comment\rTop=5\n[ Spaced ]\nA=1");
  EXPECT_EQ(ini.ReadString("buttons", "leftwidth", "x"), "3");
  EXPECT_EQ(ini.ReadInteger("BUTTONS", "LEFTWIDTH", 0), 3);
  EXPECT_EQ(ini.ReadInteger("Buttons", "top", 0), 5);
  // Comment and empty lines are dropped: they get no line.
  EXPECT_EQ(ini.Lines().size(), 5u);
  std::vector<std::string> names;
  ini.SectionNames(names);
  EXPECT_EQ(names, (std::vector<std::string>{"Buttons", "Spaced"}));
  // The header keeps its inner blanks, so the trimmed name does not find it.
  EXPECT_EQ(ini.ReadString("Spaced", "A", "none"), "none");
  EXPECT_EQ(ini.ReadString(" Spaced ", "A", "none"), "1");
}

TEST(QuickIni, FirstMatchWinsAndEmptyValuesGiveDefault) {
  TQuickIni ini = Parse(
      "[S]\nkey=first\nKEY=second\nempty=\nnoequals\nformula=a=b;c\n"
      "[S]\nother=1\n[T]\nkey=t");
  EXPECT_EQ(ini.ReadString("S", "key", "d"), "first");
  EXPECT_EQ(ini.ReadString("S", "empty", "d"), "d");
  // A line without "=" never matches a key, not even the empty one.
  EXPECT_EQ(ini.ReadString("S", "noequals", "d"), "d");
  EXPECT_EQ(ini.ReadString("S", "", "d"), "d");
  EXPECT_EQ(ini.ReadString("S", "formula", "d"), "a=b;c");
  // Only the first of two equal headers is searched.
  EXPECT_EQ(ini.ReadString("S", "other", "d"), "d");
  EXPECT_EQ(ini.ReadString("T", "key", "d"), "t");
  EXPECT_EQ(ini.ReadString("Missing", "key", "d"), "d");
  EXPECT_EQ(Parse("").ReadString("S", "key", "d"), "d");
}

TEST(QuickIni, NulEndsTheTextAndReloadReplaces) {
  const std::string text("[A]\nx=1\n\0[B]\ny=2", 16);
  TQuickIni ini;
  ini.LoadFromStream({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);
  EXPECT_EQ(ini.ReadInteger("B", "y", 0), 0);
  ini.LoadFromText("[B]\ny=2");
  EXPECT_EQ(ini.ReadInteger("A", "x", 0), 0);
  EXPECT_EQ(ini.ReadInteger("B", "y", 0), 2);
}

TEST(QuickIni, IntegersInDecimalAndHexadecimal) {
  TQuickIni ini = Parse(
      "[N]\nhex=0x1F\nbare=1F\ndollar=$ff\nneg=-12\nplus=+7\nbig=2147483648\nmin=-2147483648\n"
      "wide=0xFFFFFFFF\nspace=1 2\nprefix=0x\nsign=-\n");
  EXPECT_EQ(ini.ReadInteger("N", "hex", -1), 31);
  EXPECT_EQ(ini.ReadInteger("N", "bare", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "dollar", -1), 255);
  EXPECT_EQ(ini.ReadInteger("N", "neg", 0), -12);
  EXPECT_EQ(ini.ReadInteger("N", "plus", 0), 7);
  EXPECT_EQ(ini.ReadInteger("N", "big", 5), 5);
  EXPECT_EQ(ini.ReadInteger("N", "min", 5), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger("N", "wide", 5), -1);
  EXPECT_EQ(ini.ReadInteger("N", "space", 5), 5);
  EXPECT_EQ(ini.ReadInteger("N", "prefix", 5), 5);
  EXPECT_EQ(ini.ReadInteger("N", "sign", 5), 5);
}

TEST(RgbText, NumbersSeparatedByAnyNonDigits) {
  EXPECT_EQ(ParseRgbText("0 68 214", -1), ColorFromRgb(0, 68, 214));
  EXPECT_EQ(ParseRgbText("248, 248, 248", -1), ParseRgbText("248 248 248", -1));
  EXPECT_EQ(ParseRgbText("  ", 77), 77);
  EXPECT_EQ(ParseRgbText("", 77), 77);
  EXPECT_EQ(ParseRgbText("256 257 300", -1), ColorFromRgb(0, 1, 44));
  EXPECT_EQ(ParseRgbText("1 2 3 4", -1), ColorFromRgb(1, 2, 3));
  // A number ending the text completes the colour only as its blue.
  EXPECT_EQ(ParseRgbText("10 20", -1), ColorFromRgb(10, 0, 0));
  EXPECT_EQ(ParseRgbText("10 20,", -1), ColorFromRgb(10, 20, 0));
  EXPECT_EQ(ParseRgbText("red", -1), 0);
}
