// A dialog whose caption does not fit its width under the skin.
#include <gtest/gtest.h>
#include <windows.h>

#include "skinframe/SkinFrameSupport.h"

TEST(DialogCaption, ADialogTooNarrowForItsCaptionIsWidenedAndItsControlsMoveRight) {
  TSkinnedForm main(ProgramSkin());
  ASSERT_TRUE(main.WaitSkinned());
  struct {
    DLGTEMPLATE Template;
    WORD Menu, Class, Title;
  } t{};
  t.Template.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
  t.Template.cx = 40;
  t.Template.cy = 40;
  HWND dialog = CreateDialogIndirectParamA(
      GetModuleHandleA(nullptr), &t.Template, nullptr,
      [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
  ASSERT_NE(dialog, nullptr);
  const std::string caption = "A caption far too long for so small a dialog";
  SetWindowTextA(dialog, caption.c_str());
  HWND label = CreateWindowExA(0, "STATIC", "x", WS_CHILD | WS_VISIBLE, 5, 5, 10, 10, dialog,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  const int clientBefore = ClientRectOf(dialog).right;
  ASSERT_TRUE(PumpUntil([&] {
    TWinSkinForm* s = TSkinManage::Instance()->FindFormSkinner(dialog);
    return s && s->SkinState() == TWinSkinForm::ssActive;
  }));
  TWinSkinForm* skinner = TSkinManage::Instance()->FindFormSkinner(dialog);
  HDC dc = GetWindowDC(dialog);
  HGDIOBJ old = SelectObject(dc, skinner->CaptionFont());
  SIZE extent{};
  GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);
  const TRect& m = main.Data->Skin().Title->Margins;
  const int needed = m.Left + extent.cx + m.Right;
  const RECT after = WindowRectOf(dialog);
  EXPECT_EQ(after.right - after.left, needed);
  const int narrow = clientBefore + skinner->LeftWidth() + skinner->RightWidth();
  ASSERT_GT(needed, narrow);
  RECT labelRect = WindowRectOf(label);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&labelRect), 2);
  EXPECT_EQ(labelRect.left, 5 + (needed - narrow) / 2);
  DestroyWindow(dialog);
}
