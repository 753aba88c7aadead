#include <gtest/gtest.h>

#include <chrono>

#include "shell/portable/Mask.h"

namespace {

int ErrorPosition(std::string_view Mask) {
  try {
    TMask mask(Mask);
  } catch (const EMaskException& e) {
    return e.Position();
  }
  return 0;
}

}  // namespace

TEST(Mask, StarsQuestionMarksAndLiterals) {
  EXPECT_TRUE(TMask("*.bat").Matches("RUN.BAT"));
  EXPECT_FALSE(TMask("*.bat").Matches("run.bak"));
  EXPECT_TRUE(TMask("*").Matches(""));
  EXPECT_TRUE(TMask("**").Matches("x"));
  EXPECT_FALSE(TMask("?").Matches(""));
  EXPECT_TRUE(TMask("a?c").Matches("ABC"));
  EXPECT_FALSE(TMask("a?c").Matches("ac"));
  EXPECT_TRUE(TMask("").Matches(""));
  EXPECT_FALSE(TMask("").Matches("a"));
  EXPECT_TRUE(TMask("*.*").Matches("readme.txt"));
  EXPECT_FALSE(TMask("*.*").Matches("readme"));
}

TEST(Mask, BacktracksOverEveryStar) {
  EXPECT_TRUE(TMask("*a*b*c").Matches("xxaxxbxbxxc"));
  EXPECT_TRUE(TMask("*ab").Matches("aab"));
  EXPECT_TRUE(TMask("a*a*a").Matches("aaa"));
  EXPECT_FALSE(TMask("a*a*a").Matches("aa"));
  EXPECT_TRUE(TMask("*.tar.*").Matches("x.tar.tar.gz"));
  EXPECT_FALSE(TMask("*x*y").Matches("xyx"));
}

TEST(Mask, SetsRangesAndNegation) {
  EXPECT_FALSE(TMask("[!a-c]*").Matches("Beta"));
  EXPECT_TRUE(TMask("[!a-c]*").Matches("Delta"));
  EXPECT_TRUE(TMask("[a-c]*").Matches("beta"));
  EXPECT_TRUE(TMask("x[0-9ab]y").Matches("X7Y"));
  EXPECT_TRUE(TMask("x[0-9ab]y").Matches("xBy"));
  EXPECT_FALSE(TMask("x[0-9ab]y").Matches("xcy"));
  // A "-" before the closing bracket stands for itself.
  EXPECT_TRUE(TMask("[a-]").Matches("-"));
  EXPECT_TRUE(TMask("[a-]").Matches("A"));
  // Specials lose their meaning inside a set.
  EXPECT_TRUE(TMask("[*?]").Matches("?"));
  EXPECT_FALSE(TMask("[*?]").Matches("a"));
}

TEST(Mask, InvalidMasksReportWhereReadingStopped) {
  EXPECT_EQ(ErrorPosition("[abc"), 5);  // unclosed: the end was reached
  EXPECT_EQ(ErrorPosition("a[]"), 3);   // empty set
  EXPECT_EQ(ErrorPosition("[!]"), 3);   // negated empty set
  EXPECT_EQ(ErrorPosition("[-z]"), 2);  // nothing before "-"
  EXPECT_EQ(ErrorPosition("[a-c-e]"), 5);
  EXPECT_EQ(ErrorPosition("["), 2);

  std::string thirty;
  for (int i = 0; i < 30; ++i) thirty += "*x";
  EXPECT_EQ(ErrorPosition(thirty), 0);
  EXPECT_EQ(ErrorPosition(thirty + "***"), 61);  // the 31st group starts at 61

  try {
    TMask mask("x[");
    FAIL();
  } catch (const EMaskException& e) {
    EXPECT_STREQ(e.what(), "'x[' is an invalid mask at (3)");
    EXPECT_EQ(e.Mask(), "x[");
  }
}

namespace {
bool ShiftJisLead(unsigned char C) {
  return (C >= 0x81 && C <= 0x9F) || (C >= 0xE0 && C <= 0xFC);
}
}  // namespace

TEST(Mask, DoubleByteCharactersArePairsComparedExactly) {
  TMaskCharset sjis{ShiftJisLead, nullptr};
  // 0x95 0x5C is one character, so "?" takes both bytes and "\" is no separator.
  EXPECT_TRUE(TMask("?.txt", sjis).Matches("\x95\x5C.txt"));
  EXPECT_FALSE(TMask("??.txt", sjis).Matches("\x95\x5C.txt"));
  // Trail bytes that look like letters are not case-folded.
  EXPECT_TRUE(TMask("\x82\x61*", sjis).Matches("\x82\x61x"));
  EXPECT_FALSE(TMask("\x82\x61*", sjis).Matches("\x82\x41x"));
  // In a single-byte code page the same bytes are two characters.
  EXPECT_TRUE(TMask("??.txt").Matches("\x95\x5C.txt"));
}

// Many stars against a long name that almost matches: a naive backtracking
// matcher takes exponential time here.
TEST(Mask, ManyStarsOnLongNamesStayFast) {
  std::string maskText;
  for (int i = 0; i < 30; ++i) maskText += "*a";
  maskText += "b";
  const TMask mask(maskText);
  const std::string name(4000, 'a');
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(mask.Matches(name));
  EXPECT_TRUE(mask.Matches(name + "b"));
  const auto elapsed = std::chrono::steady_clock::now() - start;
  // Generous bound: linear-times-mask work is well under a millisecond here.
  EXPECT_LT(elapsed, std::chrono::seconds(2));
}
