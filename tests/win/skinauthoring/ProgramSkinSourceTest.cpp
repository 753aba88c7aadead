// "/skin" as a user gives it to the program: a damaged skin file gives the
// program with its own skin and one message saying what was wrong with the
// file; an unpacked skin folder is shown as a packed skin would be.
#include <gtest/gtest.h>

#include <string>

#include "app/MainWindowDriver.h"
#include "app/SkinSwitch.h"
#include "app/preview/PreviewForm.h"
#include "common/ProgramProcess.h"
#include "common/TempFolder.h"
#include "skin/engine/EngineMessages.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinManager.h"
#include "skinauthoring/AuthoringSupport.h"
#include "skinauthoring/PreviewFixture.h"

namespace {

constexpr COLORREF kGreen = RGB(30, 160, 60);

// Answers (OK) every message box the program shows until its window
// WindowClass is skinned and no box came for a second and a half; returns
// how many came, with the first one's text.
int AnswerMessageBoxes(const TProgram& Program, const std::string& WindowClass,
                       std::string& FirstText) {
  int boxes = 0;
  DWORD quietSince = GetTickCount();
  const DWORD end = GetTickCount() + 40000;
  while (static_cast<LONG>(GetTickCount() - end) < 0) {
    if (HWND box = Program.FindWindow("", "#32770")) {
      if (boxes++ == 0) {
        char text[1024] = "";
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        FirstText = text;
      }
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      for (int i = 0; i < 300 && IsWindow(box) && IsWindowVisible(box); ++i) Sleep(10);
      quietSince = GetTickCount();
      continue;
    }
    HWND window = Program.FindWindow("", WindowClass);
    DWORD_PTR skinned = 0;
    if (window) SendMessageTimeoutA(window, SM_ISSKINNED, 0, 0, SMTO_ABORTIFHUNG, 1000, &skinned);
    if (skinned == 1 && GetTickCount() - quietSince > 1500) break;
    Sleep(50);
  }
  return boxes;
}

void CloseProgram(const TProgram& Program, HWND Window) {
  PostMessageA(Window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(Program.WaitEnd(15000));
}

// Green in its title bar, so that a window showing what is left of it
// cannot pass for one with the program's own skin.
TBytes GreenSkin() {
  return ProgramSkinWith(TitleBitmapName(), SolidLike(TitleBitmapName(), kGreen));
}

TBytes CutShort(const TBytes& Skin) {
  return TBytes(Skin.begin(), Skin.begin() + Skin.size() * 3 / 5);
}

}  // namespace

TEST(ProgramSkinSource, ADamagedSkinFileGivesOneMessageNamingTheFileAndWhatIsWrong) {
  TTempFolder folder;
  struct TCase {
    const char* Name;
    TBytes Bytes;
    const char* Fault;
  } cases[] = {
      {"CutShort.skn", CutShort(GreenSkin()), "damaged"},
      {"Garbage.skn", TBytes(300, 0x5A), "not a skin file"},
  };
  for (const TCase& damaged : cases) {
    SCOPED_TRACE(damaged.Name);
    const std::string path = folder / damaged.Name;
    WriteFile(path, damaged.Bytes);
    TProgram program("/skin \"" + path + "\"");
    ASSERT_TRUE(program.Started()) << ProgramPath();
    std::string text;
    EXPECT_EQ(AnswerMessageBoxes(program, "TForm1", text), 1);
    EXPECT_NE(text.find(damaged.Name), std::string::npos) << text;
    EXPECT_NE(text.find(damaged.Fault), std::string::npos) << text;
    EXPECT_NE(text.find("its own skin"), std::string::npos) << text;
    HWND main = program.FindWindow("", "TForm1");
    ASSERT_NE(main, nullptr);
    CloseProgram(program, main);
  }
}

TEST(ProgramSkinSource, AnUnpackedSkinFolderStartsThePreviewAndTheMainWindowSkinned) {
  TTempFolder folder;
  const std::string skin = folder.MakeFolder("Unpacked");
  UnpackProgramSkin(skin);
  for (const char* start : {"/preview /skin", "/skin"}) {
    SCOPED_TRACE(start);
    TProgram program(std::string(start) + " \"" + skin + "\"");
    ASSERT_TRUE(program.Started());
    std::string text;
    const char* windowClass = std::string(start) == "/skin" ? "TForm1" : "TPreviewForm";
    EXPECT_EQ(AnswerMessageBoxes(program, windowClass, text), 0) << text;
    HWND window = program.FindWindow("", windowClass);
    ASSERT_NE(window, nullptr);
    CloseProgram(program, window);
  }
}

// What the command line's "/skin" does to a skinned window, looked at in
// this process, where the window's pixels can be read.
class SkinSwitchOnAWindow : public TSkinnedPreviewTest {
 protected:
  bool TitleBecomes(COLORREF Colour) {
    return PumpApplicationUntil(App,
                                [&] { return TitleShare(Form->WindowHandle(), Colour) >= 0.5; });
  }
};

TEST_F(SkinSwitchOnAWindow, ADamagedFileLeavesTheOwnSkinAndAFolderIsShown) {
  TTempFolder folder;
  TSkinData& data = *Form->SkinData1;
  const std::string damaged = folder / "CutShort.skn";
  WriteFile(damaged, CutShort(GreenSkin()));
  const std::string message = ApplySkinSwitch(data, damaged);
  EXPECT_NE(message.find("damaged"), std::string::npos) << message;
  EXPECT_EQ(data.SkinSource(), "");
  TSkinManage::Instance()->RunScheduledAction();
  PumpApplication(App, 300);
  EXPECT_LT(TitleShare(Form->WindowHandle(), kGreen), 0.05);
  EXPECT_GE(TitleShare(Form->WindowHandle(), OwnTitleColours()), 0.5);

  const std::string unpacked = folder.MakeFolder("Unpacked");
  UnpackProgramSkin(unpacked);
  WriteFile(unpacked + "\\" + TitleBitmapName(), SolidLike(TitleBitmapName(), kGreen));
  EXPECT_EQ(ApplySkinSwitch(data, unpacked), "");
  EXPECT_EQ(data.SkinSource(), unpacked);
  EXPECT_TRUE(TitleBecomes(kGreen));
}
