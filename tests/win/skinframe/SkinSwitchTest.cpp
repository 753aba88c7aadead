// "/skin FILE" and "/skin none" on the program's skin component.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/SkinSwitch.h"
#include "app/portable/CommandLine.h"
#include "skin/archive/SkinMessages.h"
#include "skinframe/SkinFrameSupport.h"

TEST(SkinSwitch, TheCommandLineTakesAFileOrNone) {
  const TCommandLine line = TCommandLine::Parse("Fernwick.exe /SKIN \"C:\\my skins\\a.skn\"");
  EXPECT_TRUE(line.HasSkin());
  EXPECT_EQ(line.Skin(), "C:\\my skins\\a.skn");
  EXPECT_FALSE(TCommandLine::Parse("Fernwick.exe").HasSkin());
  EXPECT_THROW(TCommandLine::Parse("Fernwick.exe /skin"), ECommandLineError);
}

TEST(SkinSwitch, NoneSwitchesOffAndAGoodFileIsLoaded) {
  TSkinnedForm::TOptions options;
  options.Active = false;
  TSkinnedForm window(ProgramSkin(), options);
  TSkinData& data = *window.Data;
  EXPECT_EQ(ApplySkinSwitch(data, "none"), "");
  EXPECT_FALSE(data.GetActive());

  TTempSkinFile file(MakeSkin(PlainBorders(3, 20, 3, 3, 0x808080, 0x404040)));
  EXPECT_EQ(ApplySkinSwitch(data, file.Path()), "");
  EXPECT_TRUE(data.GetActive());
  EXPECT_EQ(data.GetSkinFile(), file.Path());
  EXPECT_EQ(data.Skin().SkinName, "Test");
  ASSERT_TRUE(window.WaitSkinned());
  EXPECT_EQ(window.Skinner()->LeftWidth(), 3);
}

TEST(SkinSwitch, AFileThatIsNoSkinGivesOneMessageAndTheEmbeddedSkinStays) {
  TSkinnedForm::TOptions options;
  options.Active = false;
  TSkinnedForm window(ProgramSkin(), options);
  TSkinData& data = *window.Data;
  const std::string embedded = data.Skin().SkinName;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string missing = std::string(temp) + "fwk-no-such-skin.skn";
  std::vector<std::string> shown;
  auto previous = SkinMessages::SetHandler([&](const std::string& T) { shown.push_back(T); });

  std::string message = ApplySkinSwitch(data, missing);
  EXPECT_NE(message.find("\"" + missing + "\""), std::string::npos) << message;
  EXPECT_NE(message.find("does not exist"), std::string::npos) << message;
  EXPECT_TRUE(data.GetActive());
  EXPECT_TRUE(data.SkinLoaded());
  EXPECT_EQ(data.Skin().SkinName, embedded);
  EXPECT_EQ(data.GetSkinFile(), "");

  // A folder is taken for an unpacked skin only when it holds a definition.
  const std::string emptyFolder = std::string(temp) + "fwk-empty-skin-folder";
  CreateDirectoryA(emptyFolder.c_str(), nullptr);
  message = ApplySkinSwitch(data, emptyFolder);
  RemoveDirectoryA(emptyFolder.c_str());
  EXPECT_NE(message.find("holds no skin definition"), std::string::npos) << message;

  const std::string text = "this is a text file, not a skin";
  TTempSkinFile garbage(TBytes(text.begin(), text.end()), "garbage.skn");
  message = ApplySkinSwitch(data, garbage.Path());
  EXPECT_NE(message.find("not a skin file"), std::string::npos) << message;
  EXPECT_NE(message.find(garbage.Path()), std::string::npos) << message;
  TTempSkinFile empty(TBytes{}, "empty.skn");
  EXPECT_NE(ApplySkinSwitch(data, empty.Path()).find("empty"), std::string::npos);
  // The reader's complaint went into the one message, not a box of its own.
  EXPECT_TRUE(shown.empty());
  SkinMessages::SetHandler(previous);
  EXPECT_EQ(data.Skin().SkinName, embedded);
  ASSERT_TRUE(window.WaitSkinned());
}
