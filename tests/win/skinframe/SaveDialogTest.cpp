// The program's save dialog is skinned by the hook without the program
// registering it.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "skin/engine/EngineMessages.h"
#include "skin/imaging/FrameGeometry.h"
#include "skinframe/SkinFrameSupport.h"
#include "toolkit/SaveDialog.h"

namespace {

HWND FindSaveDialog() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND W, LPARAM Found) -> BOOL {
        DWORD pid = 0;
        GetWindowThreadProcessId(W, &pid);
        char cls[16];
        if (pid == GetCurrentProcessId() && IsWindowVisible(W) &&
            GetClassNameA(W, cls, sizeof cls) && std::string(cls) == "#32770") {
          *reinterpret_cast<HWND*>(Found) = W;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

TEST(SaveDialog, TheSaveDialogIsSkinnedAndKeepsWorking) {
  TSkinnedForm main(ProgramSkin());
  ASSERT_TRUE(main.WaitSkinned());
  TSaveDialog dialog(main.Form.get());
  dialog.SetFileName("BatchRun.bat");
  std::atomic<bool> skinned{false}, seen{false};
  std::atomic<long> titleHeight{0};
  std::thread answer([&] {
    HWND box = nullptr;
    for (int i = 0; i < 600 && !box; ++i) {
      box = FindSaveDialog();
      if (!box) Sleep(10);
    }
    if (!box) return;
    seen = true;
    for (int i = 0; i < 200 && !skinned; ++i) {
      DWORD_PTR result = 0;
      SendMessageTimeoutA(box, SM_ISSKINNED, 0, 0, SMTO_NORMAL, 1000, &result);
      skinned = result == 1;
      if (!skinned) Sleep(20);
    }
    Sleep(300);
    POINT origin{0, 0};
    ClientToScreen(box, &origin);
    RECT w;
    GetWindowRect(box, &w);
    titleHeight = origin.y - w.top;
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  });
  const bool saved = dialog.Execute();
  answer.join();
  EXPECT_FALSE(saved);
  EXPECT_TRUE(seen);
  EXPECT_TRUE(skinned);
  EXPECT_EQ(titleHeight, FrameMetricsOf(main.Data->Skin()).TitleHeight);
}
