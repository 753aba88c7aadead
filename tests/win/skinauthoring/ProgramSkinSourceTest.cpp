// "/skin" as a user gives it to the program: a damaged skin file gives the
// program with its own skin and one message saying what was wrong with the
// file; an unpacked skin folder is shown as a packed skin would be.
#include <gtest/gtest.h>

#include <string>

#include "common/ProgramProcess.h"
#include "common/ProgramSkin.h"
#include "common/TempFolder.h"
#include "skin/engine/EngineMessages.h"
#include "skinauthoring/AuthoringSupport.h"

namespace {

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
    if (window)
      SendMessageTimeoutA(window, SM_ISSKINNED, 0, 0, SMTO_ABORTIFHUNG, 1000, &skinned);
    if (skinned == 1 && GetTickCount() - quietSince > 1500) break;
    Sleep(50);
  }
  return boxes;
}

void CloseProgram(const TProgram& Program, HWND Window) {
  PostMessageA(Window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(Program.WaitEnd(15000));
}

}  // namespace

TEST(ProgramSkinSource, ADamagedSkinFileGivesTheProgramsOwnSkinAndOneMessage) {
  TTempFolder folder;
  const TBytes& sound = ProgramSkin();
  struct TCase {
    const char* Name;
    TBytes Bytes;
  } cases[] = {
      {"CutShort.skn", TBytes(sound.begin(), sound.begin() + sound.size() * 3 / 5)},
      {"Garbage.skn", TBytes(300, 0x5A)},
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
    HWND main = program.FindWindow("", "TForm1");
    ASSERT_NE(main, nullptr);
    EXPECT_GE(ScreenTitleShare(main, OwnTitleColours()), 0.5);
    CloseProgram(program, main);
  }
}

TEST(ProgramSkinSource, AnUnpackedSkinFolderIsShownByThePreviewAndTheMainWindow) {
  TTempFolder folder;
  const std::string skin = folder.MakeFolder("Green title");
  UnpackProgramSkin(skin);
  const COLORREF green = RGB(30, 160, 60);
  WriteFile(skin + "\\" + TitleBitmapName(), SolidLike(TitleBitmapName(), green));
  for (const char* start : {"/preview /skin", "/skin"}) {
    SCOPED_TRACE(start);
    TProgram program(std::string(start) + " \"" + skin + "\"");
    ASSERT_TRUE(program.Started());
    std::string text;
    const char* windowClass = std::string(start) == "/skin" ? "TForm1" : "TPreviewForm";
    EXPECT_EQ(AnswerMessageBoxes(program, windowClass, text), 0) << text;
    HWND window = program.FindWindow("", windowClass);
    ASSERT_NE(window, nullptr);
    EXPECT_GE(ScreenTitleShare(window, {green}), 0.5);
    CloseProgram(program, window);
  }
}
