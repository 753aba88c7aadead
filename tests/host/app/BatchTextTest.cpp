#include <gtest/gtest.h>

#include "app/portable/BatchText.h"

using namespace BatchText;

TEST(BatchText, TrailingBackslashRules) {
  EXPECT_EQ(IncludeTrailingBackslash(""), "\\");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\Data"), "C:\\Data\\");
  EXPECT_EQ(IncludeTrailingBackslash("D:\\"), "D:\\");
  EXPECT_EQ(ExcludeTrailingBackslash("D:\\Backup\\"), "D:\\Backup");
  EXPECT_EQ(ExcludeTrailingBackslash("D:\\Backup\\\\"), "D:\\Backup\\");
  EXPECT_EQ(ExcludeTrailingBackslash("Photos"), "Photos");
  EXPECT_EQ(ExcludeTrailingBackslash(""), "");
}

TEST(BatchText, LastComponentAfterBackslashOrColon) {
  EXPECT_EQ(LastComponent("C:\\Data\\Photos"), "Photos");
  EXPECT_EQ(LastComponent("C:Photos"), "Photos");
  EXPECT_EQ(LastComponent("Photos"), "Photos");
  EXPECT_EQ(LastComponent("C:\\"), "");
  EXPECT_EQ(LastComponent("\\\\server\\share"), "share");
  EXPECT_EQ(LastComponent(""), "");
}

// Shift-JIS style: 0x81..0x9F lead bytes; 0x5C may trail them.
bool TestLeadByte(unsigned char c) {
  return c >= 0x81 && c <= 0x9F;
}

TEST(BatchText, TrailByteOfDoubleByteCharacterIsNoBackslash) {
  const std::string dbcsEnd = "C:\\\x95\x5C";  // ends in a two-byte character
  EXPECT_FALSE(EndsWithBackslash(dbcsEnd, TestLeadByte));
  EXPECT_TRUE(EndsWithBackslash(dbcsEnd));
  EXPECT_EQ(IncludeTrailingBackslash(dbcsEnd, TestLeadByte), dbcsEnd + "\\");
  EXPECT_EQ(LastComponent(dbcsEnd, TestLeadByte), "\x95\x5C");
  // A lead byte as the very last byte has nothing to trail; the scan stops there.
  EXPECT_EQ(LastComponent("a\\\x95", TestLeadByte), "\x95");
}

TEST(BatchText, WorkedExampleAndFileBytes) {
  TCopyLines lines = BuildCopyLines("C:\\Data\\Photos", "D:\\Backup");
  EXPECT_EQ(lines.MakeDir, "MD \"D:\\Backup\\Photos\"");
  EXPECT_EQ(lines.Copy,
            "xcopy \"C:\\Data\\Photos\\*.*\" \"D:\\Backup\\Photos\\\" /E /H /R /s /c /Y");
  EXPECT_EQ(FileContents(lines), lines.MakeDir + "\r\n" + lines.Copy + "\r\n");
}

TEST(BatchText, PanesWithoutPathsAndRoots) {
  TCopyLines noSource = BuildCopyLines("", "D:\\Backup");
  EXPECT_EQ(noSource.MakeDir, "MD \"D:\\Backup\\\"");
  EXPECT_EQ(noSource.Copy, "xcopy \"\\*.*\" \"D:\\Backup\\\\\" /E /H /R /s /c /Y");

  TCopyLines noDest = BuildCopyLines("C:\\Data\\Photos", "");
  EXPECT_EQ(noDest.MakeDir, "MD \"\\Photos\"");
  EXPECT_EQ(noDest.Copy, "xcopy \"C:\\Data\\Photos\\*.*\" \"\\Photos\\\" /E /H /R /s /c /Y");

  TCopyLines driveSource = BuildCopyLines("C:\\", "D:\\Backup");
  EXPECT_EQ(driveSource.MakeDir, "MD \"D:\\Backup\\\"");
  EXPECT_EQ(driveSource.Copy, "xcopy \"C:\\*.*\" \"D:\\Backup\\\\\" /E /H /R /s /c /Y");

  EXPECT_EQ(BuildCopyLines("C:\\Data\\Photos", "D:\\").MakeDir, "MD \"D:\\Photos\"");
  TCopyLines share = BuildCopyLines("\\\\server\\share", "D:\\");
  EXPECT_EQ(share.Copy, "xcopy \"\\\\server\\share\\*.*\" \"D:\\share\\\" /E /H /R /s /c /Y");
}

// The command processor reads "%name%" in a batch file as a variable and a
// lone "%" as nothing; a doubled "%" comes back as one.
TEST(BatchText, PercentSignsAreDoubledEverywhereAPathGoes) {
  EXPECT_EQ(EscapePercent("100%"), "100%%");
  EXPECT_EQ(EscapePercent("%PATH%"), "%%PATH%%");
  EXPECT_EQ(EscapePercent("plain"), "plain");

  TCopyLines lines = BuildCopyLines("C:\\%USERNAME%\\50% off", "D:\\Back%up");
  EXPECT_EQ(lines.MakeDir, "MD \"D:\\Back%%up\\50%% off\"");
  EXPECT_EQ(lines.Copy,
            "xcopy \"C:\\%%USERNAME%%\\50%% off\\*.*\" \"D:\\Back%%up\\50%% off\\\" "
            "/E /H /R /s /c /Y");
  // A "%" is no delimiter: the folder name still comes from the last component.
  EXPECT_EQ(BuildCopyLines("C:\\a%\\b", "D:\\").MakeDir, "MD \"D:\\b\"");
}
