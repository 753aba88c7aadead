// MDI windows of the system's own classes: the frame, its client and the
// children (normal, maximised, minimised) under the skin.
#include <gtest/gtest.h>
#include <windows.h>

#include "skin/engine/EngineMessages.h"
#include "skinframe/SkinFrameSupport.h"

namespace {

LRESULT CALLBACK FrameProc(HWND W, UINT M, WPARAM P, LPARAM L) {
  HWND client = FindWindowExA(W, nullptr, "MDIClient", nullptr);
  return DefFrameProcA(W, client, M, P, L);
}

LRESULT CALLBACK ChildProc(HWND W, UINT M, WPARAM P, LPARAM L) {
  return DefMDIChildProcA(W, M, P, L);
}

void RegisterClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSA wc{};
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpfnWndProc = FrameProc;
  wc.lpszClassName = "FwTestMDIFrame";
  RegisterClassA(&wc);
  wc.lpfnWndProc = ChildProc;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "FwTestMDIChild";
  RegisterClassA(&wc);
}

class TMDIFrame {
 public:
  TMDIFrame() {
    RegisterClasses();
    Frame = CreateWindowExA(0, "FwTestMDIFrame", "MDI frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            60, 60, 640, 440, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    CLIENTCREATESTRUCT ccs{nullptr, 100};
    Client = CreateWindowExA(0, "MDIClient", nullptr,
                             WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0,
                             0, 600, 400, Frame, nullptr, GetModuleHandleA(nullptr), &ccs);
  }
  void Show() {
    ShowWindow(Frame, SW_SHOW);
    SetForegroundWindow(Frame);
    PumpMessages(50);
  }
  ~TMDIFrame() {
    DestroyWindow(Frame);
    PumpMessages(20);
  }
  HWND NewChild(const char* Title, DWORD Style = 0) {
    MDICREATESTRUCTA mcs{};
    mcs.szClass = "FwTestMDIChild";
    mcs.szTitle = Title;
    mcs.hOwner = GetModuleHandleA(nullptr);
    mcs.x = mcs.y = CW_USEDEFAULT;
    mcs.cx = 260;
    mcs.cy = 180;
    mcs.style = Style;
    HWND child = reinterpret_cast<HWND>(
        SendMessageA(Client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    PumpMessages(50);
    return child;
  }
  HWND Frame = nullptr;
  HWND Client = nullptr;
};

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
