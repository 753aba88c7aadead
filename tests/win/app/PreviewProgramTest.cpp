// The preview window as a user opens it: the program started with
// "/preview", skinned with the program's own skin unless "/skin none" says
// otherwise.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/ProgramProcess.h"
#include "skin/engine/EngineMessages.h"

namespace {

HWND WaitPreview(const TProgram& Program, DWORD Milliseconds) {
  return Program.WaitWindow("Fernwick skin preview", "", Milliseconds);
}

// Whether the window answers that the engine draws it, waiting for the
// engine's delayed start.
bool BecomesSkinned(HWND Window, DWORD Milliseconds) {
  const DWORD end = GetTickCount() + Milliseconds;
  while (static_cast<LONG>(GetTickCount() - end) < 0) {
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(Window, SM_ISSKINNED, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer) &&
        answer == 1)
      return true;
    Sleep(100);
  }
  return false;
}

}  // namespace

TEST(PreviewProgram, OpensWithTheProgramsOwnSkinAndClosesCleanly) {
  TProgram program("/preview");
  ASSERT_TRUE(program.Started()) << ProgramPath();
  HWND preview = WaitPreview(program, 30000);
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(BecomesSkinned(preview, 10000));
  // The skinned frame replaces the native menu bar with its own.
  EXPECT_EQ(GetMenu(preview), nullptr);
  PostMessageA(preview, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitEnd(15000));
}

TEST(PreviewProgram, SkinNoneOpensItWithTheSystemsLook) {
  TProgram program("/preview /skin none");
  ASSERT_TRUE(program.Started());
  HWND preview = WaitPreview(program, 30000);
  ASSERT_NE(preview, nullptr);
  EXPECT_FALSE(BecomesSkinned(preview, 3000));
  EXPECT_NE(GetMenu(preview), nullptr);
  PostMessageA(preview, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitEnd(15000));
}
