// MDI windows of the system's own classes: the frame, its client and the
// children (normal, maximised, minimised) under the skin.
#include <gtest/gtest.h>
#include <windows.h>

#include "skin/engine/EngineMessages.h"
#include "skinframe/SkinFrameSupport.h"

namespace {

TWinSkinForm* SkinnerOf(HWND Window) {
  TSkinManage* manager = TSkinManage::Instance();
  return manager ? manager->FindFormSkinner(Window) : nullptr;
}

bool HasRegion(HWND Window) {
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  const bool has = GetWindowRgn(Window, probe) != ERROR;
  DeleteObject(probe);
  return has;
}

}  // namespace

TEST(MDIFrames, TheFrameItsClientAndItsChildrenAreSkinned) {
  TSkinnedForm main(ProgramSkin());
  ASSERT_TRUE(main.WaitSkinned());
  TMDIFrame mdi;
  const LONG_PTR clientProc = GetWindowLongPtrA(mdi.Client, GWLP_WNDPROC);
  mdi.Show();
  ASSERT_TRUE(PumpUntil([&] {
    TWinSkinForm* s = SkinnerOf(mdi.Frame);
    return s && s->SkinState() == TWinSkinForm::ssActive;
  }));
  TWinSkinForm* frame = SkinnerOf(mdi.Frame);
  EXPECT_EQ(frame->FormKind(), TWinSkinForm::fkMDIParent);
  EXPECT_EQ(TSkinManage::Instance()->MDIClientHandle(), mdi.Client);
  // The client's own procedure is replaced; without xoMDIScrollbar its
  // scroll bars go at its next size calculation.
  EXPECT_NE(GetWindowLongPtrA(mdi.Client, GWLP_WNDPROC), clientProc);
  SetWindowPos(mdi.Client, nullptr, 0, 0, 500, 300, SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_FALSE(GetWindowLongA(mdi.Client, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));

  // A normal child: skinned frame and region, at least the native caption
  // height on top.
  HWND normal = mdi.NewChild("Normal child");
  ASSERT_TRUE(PumpUntil([&] {
    TWinSkinForm* s = SkinnerOf(normal);
    return s && s->SkinState() == TWinSkinForm::ssActive;
  }));
  TWinSkinForm* child = SkinnerOf(normal);
  EXPECT_EQ(child->FormKind(), TWinSkinForm::fkMDIChild);
  const int top = child->TitleHeight() + child->MenuBarHeight();
  EXPECT_GE(top, GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME));
  EXPECT_EQ(ClientOffset(normal).x, child->LeftWidth());
  EXPECT_EQ(ClientOffset(normal).y, top);
  EXPECT_TRUE(HasRegion(normal));

  // Maximised: native frame, no region; restored: skinned again.
  SendMessageA(mdi.Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(normal), 0);
  PumpMessages(100);
  EXPECT_EQ(child->WindowState(), TWinSkinForm::wsMaximised);
  EXPECT_TRUE(TSkinManage::Instance()->MDIChildMaximised());
  EXPECT_FALSE(HasRegion(normal));
  SendMessageA(normal, WM_SYSCOMMAND, SC_RESTORE, 0);
  PumpMessages(100);
  EXPECT_EQ(child->WindowState(), TWinSkinForm::wsNormal);
  EXPECT_FALSE(TSkinManage::Instance()->MDIChildMaximised());
  EXPECT_TRUE(HasRegion(normal));
  EXPECT_EQ(ClientOffset(normal).y, top);

  // Created maximised, and minimised.
  HWND maximised = mdi.NewChild("Maximised child", WS_MAXIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return SkinnerOf(maximised) != nullptr; }));
  PumpMessages(50);
  EXPECT_EQ(SkinnerOf(maximised)->WindowState(), TWinSkinForm::wsMaximised);
  EXPECT_FALSE(HasRegion(maximised));
  SendMessageA(mdi.Client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(maximised), 0);
  PumpMessages(50);
  HWND minimised = mdi.NewChild("Minimised child", WS_MINIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return SkinnerOf(minimised) != nullptr; }));
  PumpMessages(50);
  EXPECT_EQ(SkinnerOf(minimised)->WindowState(), TWinSkinForm::wsMinimised);
  EXPECT_EQ(SendMessageA(minimised, SM_ISSKINNED, 0, 0), 1);

  // Switching off gives the client its procedure back.
  main.Data->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return SkinnerOf(mdi.Frame) == nullptr; }));
  EXPECT_EQ(GetWindowLongPtrA(mdi.Client, GWLP_WNDPROC), clientProc);
  EXPECT_FALSE(HasRegion(normal));
}
