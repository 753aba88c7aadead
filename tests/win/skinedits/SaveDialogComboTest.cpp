// The combo boxes of the system's save dialog, skinned by the engine as the
// dialog opens: each is drawn from the skin's combo image, and the owner-
// drawn "Save in" box keeps its folder icon whole beside the dialog's
// label that overlaps it.
#include <gtest/gtest.h>
#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include "skin/engine/EngineMessages.h"
#include "skin/engine/WindowText.h"
#include "skinedits/EditSupport.h"

namespace {

struct TDialogCheck {
  const TDataSkinObject* Image = nullptr;
  DWORD Started = 0;
  bool Checked = false;
};
TDialogCheck gCheck;

// The combo box of a dialog item; the file name is an extended combo box,
// whose painter sits on the combo box inside it.
HWND ComboOf(HWND Dialog, int Id) {
  HWND item = GetDlgItem(Dialog, Id);
  return LowerAscii(WindowClassName(item)) == "comboboxex32" ? GetTopWindow(item) : item;
}

bool AllSkinned(HWND Dialog) {
  for (int id : {cmb1, cmb2, cmb13})
    if (SendMessageA(ComboOf(Dialog, id), SM_ISSKINNED, 0, 0) != 1) return false;
  return true;
}

void CheckCombos(HWND Dialog) {
  gCheck.Checked = true;
  PumpMessages(300);
  // The "Save in" box as the dialog's opening painted it equals the box
  // painted alone: nothing painted after it covers its item.
  HWND lookIn = GetDlgItem(Dialog, cmb2);
  COMBOBOXINFO info{sizeof info};
  ASSERT_TRUE(GetComboBoxInfo(lookIn, &info));
  const TPixelBuffer opened = CaptureWindow(lookIn);
  RedrawWindow(lookIn, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const TPixelBuffer alone = CaptureWindow(lookIn);
  int differing = 0;
  for (int y = info.rcItem.top; y < info.rcItem.bottom; ++y)
    for (int x = info.rcItem.left; x < info.rcItem.left + 24; ++x)
      differing += opened.Pixel(x, y) != alone.Pixel(x, y);
  EXPECT_EQ(differing, 0);
  for (int id : {cmb1, cmb2, cmb13})
    EXPECT_NE(ShownSlicedFrame(ComboOf(Dialog, id), *gCheck.Image), 0) << "combo " << id;
}

UINT_PTR CALLBACK DialogHook(HWND Child, UINT Msg, WPARAM WParam, LPARAM LParam) {
  HWND dialog = GetParent(Child);
  if (Msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(LParam)->code == CDN_INITDONE) {
    gCheck.Started = GetTickCount();
    SetTimer(Child, 1, 100, nullptr);
  }
  if (Msg == WM_TIMER && WParam == 1) {
    const bool late = GetTickCount() - gCheck.Started > 5000;
    if (!AllSkinned(dialog) && !late) return 0;
    KillTimer(Child, 1);
    if (!late) CheckCombos(dialog);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }
  return 0;
}

}  // namespace

TEST(SkinComBox, TheSaveDialogsCombosAreSkinnedAndKeepWhatTheyShow) {
  TEditsForm form;
  ASSERT_TRUE(form.Skin());
  gCheck = TDialogCheck{};
  gCheck.Image = form.Skinned.Data->Skin().ComboButton.get();
  ASSERT_NE(gCheck.Image, nullptr);
  char file[MAX_PATH] = "BatchRun.bat";
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = form.Form();
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrFilter = "Batch files (*.bat)\0*.bat\0";
  ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK;
  ofn.lpfnHook = DialogHook;
  GetSaveFileNameA(&ofn);
  EXPECT_TRUE(gCheck.Checked) << "the dialog's combo boxes were not skinned";
}
