// The program's command line: the system's quoting rules, switches in
// either form and case, and clear refusals.
#include <gtest/gtest.h>

#include "app/portable/CommandLine.h"

using Words = std::vector<std::string>;

TEST(CommandLineSplit, FollowsTheSystemsQuotingRules) {
  EXPECT_EQ(TCommandLine::Split("  a\tb  "), (Words{"a", "b"}));
  EXPECT_EQ(TCommandLine::Split(R"("C:\Program Files\F.exe" /x)"),
            (Words{R"(C:\Program Files\F.exe)", "/x"}));
  // Backslashes count only before a quote.
  EXPECT_EQ(TCommandLine::Split(R"(a\\b "c\\" d\"e "f""g")"),
            (Words{R"(a\\b)", R"(c\)", R"(d"e)", R"(f"g)"}));
  EXPECT_EQ(TCommandLine::Split(R"("" x)"), (Words{"", "x"}));
  EXPECT_TRUE(TCommandLine::Split("").empty());
}

TEST(CommandLineParse, ReadsSwitchesAfterTheProgramName) {
  EXPECT_FALSE(TCommandLine::Parse("Fernwick.exe").Preview());
  EXPECT_TRUE(TCommandLine::Parse(R"("C:\x y\Fernwick.exe" /preview)").Preview());
  EXPECT_TRUE(TCommandLine::Parse("Fernwick.exe -PREVIEW").Preview());
  // The program's own name is never taken for a switch.
  EXPECT_FALSE(TCommandLine::Parse("/preview").Preview());
}

TEST(CommandLineParse, RefusesWhatItDoesNotKnowWithTheUsage) {
  for (const char* line : {"F.exe /skinny", "F.exe preview", "F.exe /", "F.exe /preview x"}) {
    try {
      TCommandLine::Parse(line);
      ADD_FAILURE() << line << " was accepted";
    } catch (const ECommandLineError& e) {
      EXPECT_NE(std::string(e.what()).find(TCommandLine::Usage()), std::string::npos) << line;
    }
  }
  EXPECT_EQ(TCommandLine::Usage(), "Usage: Fernwick.exe [/preview] [/skin FILE or FOLDER]");
  // A switch that takes a value refuses to stand last.
  EXPECT_THROW(TCommandLine::Parse("F.exe /preview /skin"), ECommandLineError);
  EXPECT_EQ(TCommandLine::Parse("F.exe /SKIN \"a b.skn\" /preview").Skin(), "a b.skn");
}
