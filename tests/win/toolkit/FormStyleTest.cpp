// Forms on real windows: an MDI parent with its client and children
// (activation by the mouse and by Ctrl+F6, the window menu, tiling,
// cascading, closing), border styles and icons changed on a live window,
// and right-to-left reading order handed down to controls and menus.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ToolkitTestSupport.h"
#include "common/SyntheticInput.h"
#include "toolkit/Application.h"
#include "toolkit/ControlAtom.h"
#include "toolkit/CustomEdit.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"
#include "toolkit/portable/ClassBuilder.h"

// Rectangles compared in expectations.
static bool operator==(const RECT& A, const RECT& B) {
  return EqualRect(&A, &B) != 0;
}

namespace {

class TFrameForm : public TForm {
  FW_CLASS(TFrameForm)
 public:
  using TForm::TForm;
  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* Window1 = nullptr;
  TMenuItem* Tile1 = nullptr;
};

const TClassInfo& TFrameForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TFrameForm>("TFrameForm", &TForm::StaticClass())
                                     .Field("MainMenu1", &TFrameForm::MainMenu1)
                                     .Field("Window1", &TFrameForm::Window1)
                                     .Field("Tile1", &TFrameForm::Tile1)
                                     .Info();
  return info;
}

class TChildForm : public TForm {
  FW_CLASS(TChildForm)
 public:
  using TForm::TForm;
  ~TChildForm() override {
    if (Freed) *Freed = true;
  }
  TEdit* Edit1 = nullptr;
  bool* Freed = nullptr;
};

const TClassInfo& TChildForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TChildForm>("TChildForm", &TForm::StaticClass())
                                     .Field("Edit1", &TChildForm::Edit1)
                                     .Info();
  return info;
}

const char* const kFrame = R"(object FrameForm: TFrameForm
  Caption = 'Frame'
  ClientWidth = 600
  ClientHeight = 400
  FormStyle = fsMDIForm
  Menu = MainMenu1
  WindowMenu = Window1
  object StatusBar1: TStatusBar
    SimplePanel = True
    SimpleText = 'Ready'
  end
  object MainMenu1: TMainMenu
    object Window1: TMenuItem
      Caption = '&Window'
      object Tile1: TMenuItem
        Caption = '&Tile'
      end
    end
  end
end
)";

const char* const kChild = R"(object ChildForm: TChildForm
  Caption = 'Child'
  Left = 10
  Top = 10
  ClientWidth = 200
  ClientHeight = 120
  FormStyle = fsMDIChild
  object Edit1: TEdit
    Left = 8
    Top = 8
    Width = 120
    Height = 21
  end
end
)";

// Messages handled as the application's loop handles them (MDI keys and
// menu shortcuts included).
void PumpApplication(DWORD Milliseconds = 100) {
  DWORD end = GetTickCount() + Milliseconds;
  do {
    Application->ProcessMessages();
    Sleep(5);
  } while (static_cast<LONG>(GetTickCount() - end) < 0);
  DrainQuit();
}

RECT WindowRectIn(HWND Wnd, HWND Parent) {
  RECT r;
  GetWindowRect(Wnd, &r);
  MapWindowPoints(nullptr, Parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class MDIFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->Initialize();
    Frame = new TFrameForm(nullptr);
    Frame->ReadDescription(kFrame);
    Frame->Show();
    for (int i = 0; i < 3; ++i) {
      auto* child = new TChildForm(Frame);
      child->ReadDescription(kChild);
      child->SetText("Child " + std::to_string(i + 1));
      child->Freed = &Freed[i];
      Children.push_back(child);
    }
    PumpApplication();
  }
  void TearDown() override {
    delete Frame;
    PumpApplication(50);
  }

  TFrameForm* Frame = nullptr;
  std::vector<TChildForm*> Children;
  bool Freed[3] = {false, false, false};
};

TEST_F(MDIFormTest, ChildrenLiveInTheParentsClientAndAreListedInTheWindowMenu) {
  HWND client = Frame->ClientHandle();
  ASSERT_NE(client, nullptr);
  char cls[32];
  GetClassNameA(client, cls, sizeof cls);
  EXPECT_STREQ(cls, "MDIClient");
  EXPECT_EQ(GetParent(client), Frame->WindowHandle());
  // The client takes what the status bar along the bottom leaves.
  RECT frameClient;
  GetClientRect(Frame->WindowHandle(), &frameClient);
  HWND status = FindWindowExA(Frame->WindowHandle(), nullptr, "TStatusBar", nullptr);
  ASSERT_NE(status, nullptr);
  RECT bar = WindowRectIn(status, Frame->WindowHandle());
  RECT area = WindowRectIn(client, Frame->WindowHandle());
  EXPECT_EQ(bar.bottom, frameClient.bottom);
  EXPECT_EQ(area, (RECT{0, 0, frameClient.right, bar.top}));

  ASSERT_EQ(Frame->MDIChildCount(), 3);
  for (int i = 0; i < 3; ++i) {
    HWND wnd = Children[i]->WindowHandle();
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(GetParent(wnd), client);
    EXPECT_TRUE(GetWindowLongA(wnd, GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_TRUE(IsWindowVisible(wnd));
    EXPECT_EQ(Frame->MDIChildren(i), Children[i]);
    EXPECT_EQ(Children[i]->MDIParent(), Frame);
    // The child's client size is the one its description asks for.
    RECT r;
    GetClientRect(wnd, &r);
    EXPECT_EQ(r.right, 200);
    EXPECT_EQ(r.bottom, 120);
  }
  // The last one made is active and its first control has the focus.
  EXPECT_EQ(Frame->ActiveMDIChild(), Children[2]);
  EXPECT_EQ(GetFocus(), Children[2]->Edit1->WindowHandle());

  // The system lists the children below the window menu's own items.
  HMENU windowMenu = GetSubMenu(GetMenu(Frame->WindowHandle()), 0);
  ASSERT_NE(windowMenu, nullptr);
  std::vector<std::string> entries;
  for (int i = 0; i < GetMenuItemCount(windowMenu); ++i) {
    char text[64] = "";
    GetMenuStringA(windowMenu, i, text, sizeof text, MF_BYPOSITION);
    entries.push_back(text);
  }
  ASSERT_GE(entries.size(), 5u);
  EXPECT_EQ(entries[0], "&Tile");
  EXPECT_NE(entries[entries.size() - 3].find("Child 1"), std::string::npos);
  EXPECT_NE(entries.back().find("Child 3"), std::string::npos);
}

TEST_F(MDIFormTest, ClicksAndCtrlF6ActivateChildren) {
  HWND first = Children[0]->WindowHandle();
  Frame->Cascade();
  PumpApplication();
  // The first child's caption is left uncovered by the cascade.
  RECT window;
  GetWindowRect(first, &window);
  ClickScreen(POINT{window.left + 40, window.top + GetSystemMetrics(SM_CYFRAME) + 6});
  ASSERT_TRUE(PumpUntil([&] { return Frame->ActiveMDIChild() == Children[0]; }, 3000));
  PumpApplication();
  EXPECT_EQ(GetFocus(), Children[0]->Edit1->WindowHandle());

  PressChord({VK_CONTROL, VK_F6});
  PumpApplication(200);
  EXPECT_NE(Frame->ActiveMDIChild(), Children[0]);
  EXPECT_NE(Frame->ActiveMDIChild(), nullptr);
}

TEST_F(MDIFormTest, TileCascadeAndCloseArrangeTheChildren) {
  Frame->SetTileMode(tbVertical);
  Frame->Tile();
  PumpApplication();
  HWND client = Frame->ClientHandle();
  RECT area;
  GetClientRect(client, &area);
  std::vector<RECT> tiled;
  for (TChildForm* child : Children) tiled.push_back(WindowRectIn(child->WindowHandle(), client));
  int width = 0;
  for (size_t i = 0; i < tiled.size(); ++i) {
    EXPECT_EQ(tiled[i].top, 0);
    EXPECT_EQ(tiled[i].bottom, area.bottom);
    width += tiled[i].right - tiled[i].left;
    for (size_t j = i + 1; j < tiled.size(); ++j) {
      RECT common;
      EXPECT_FALSE(IntersectRect(&common, &tiled[i], &tiled[j])) << i << " overlaps " << j;
    }
  }
  EXPECT_NEAR(width, area.right, 3);

  Frame->Cascade();
  PumpApplication();
  std::vector<RECT> cascaded;
  for (int i = 0; i < Frame->MDIChildCount(); ++i)
    cascaded.push_back(WindowRectIn(Frame->MDIChildren(i)->WindowHandle(), client));
  // Each window steps down and right from the one behind it by the same
  // amount.
  std::sort(cascaded.begin(), cascaded.end(),
            [](const RECT& a, const RECT& b) { return a.top < b.top; });
  int step = cascaded[1].top - cascaded[0].top;
  EXPECT_GT(step, 0);
  EXPECT_EQ(cascaded[2].top - cascaded[1].top, step);
  EXPECT_EQ(cascaded[1].left - cascaded[0].left, cascaded[2].left - cascaded[1].left);

  // The close command of a child frees its form.
  SendMessageA(Children[1]->WindowHandle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  PumpApplication();
  EXPECT_TRUE(Freed[1]);
  EXPECT_EQ(Frame->MDIChildCount(), 2);
  EXPECT_EQ(Frame->MDIChildren(1), Children[2]);
}

TEST(MDIForm, AChildWithoutAParentIsRefusedWithAMessage) {
  Application->Initialize();
  TChildForm child(nullptr);
  child.SetName("Orphan");
  try {
    child.ReadDescription(kChild);
    FAIL() << "the child was made";
  } catch (const EComponentError& e) {
    EXPECT_NE(std::string(e.what()).find("MDI parent"), std::string::npos) << e.what();
  }
  EXPECT_EQ(child.WindowHandle(), nullptr);
}

const char* const kPlain = R"(object ChildForm: TChildForm
  Caption = 'Frames'
  ClientWidth = 300
  ClientHeight = 200
  object Edit1: TEdit
    Left = 8
    Top = 8
    Width = 120
    Height = 21
    Text = 'kept'
  end
end
)";

TEST(FormBorder, StylesAndIconsChangeOnTheLiveWindow) {
  Application->Initialize();
  TChildForm form(nullptr);
  form.ReadDescription(kPlain);
  form.Show();
  PumpMessages();
  HWND wnd = form.WindowHandle();
  HWND edit = form.Edit1->WindowHandle();
  auto style = [&] { return static_cast<DWORD>(GetWindowLongA(wnd, GWL_STYLE)); };
  auto exStyle = [&] { return static_cast<DWORD>(GetWindowLongA(wnd, GWL_EXSTYLE)); };
  auto hitRightBorder = [&] {
    RECT r;
    GetWindowRect(wnd, &r);
    return SendMessageA(wnd, WM_NCHITTEST, 0, MAKELPARAM(r.right - 2, (r.top + r.bottom) / 2));
  };
  auto expectClient = [&](const char* what) {
    RECT r;
    GetClientRect(wnd, &r);
    EXPECT_EQ(r.right, 300) << what;
    EXPECT_EQ(r.bottom, 200) << what;
  };
  EXPECT_TRUE(style() & WS_THICKFRAME);
  EXPECT_EQ(hitRightBorder(), HTRIGHT);

  form.SetBorderStyle(bsDialog);
  PumpMessages();
  EXPECT_EQ(form.WindowHandle(), wnd);
  EXPECT_EQ(form.Edit1->WindowHandle(), edit);
  EXPECT_FALSE(style() & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(style() & DS_MODALFRAME);
  EXPECT_TRUE(exStyle() & WS_EX_DLGMODALFRAME);
  EXPECT_NE(hitRightBorder(), HTRIGHT);
  expectClient("dialog");

  form.SetBorderStyle(bsSingle);
  form.SetBorderIcons(TBorderIcons{biSystemMenu, biMaximize, biHelp});
  PumpMessages();
  EXPECT_EQ((style() & (WS_CAPTION | WS_THICKFRAME)), static_cast<DWORD>(WS_CAPTION));
  EXPECT_TRUE(style() & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style() & WS_MINIMIZEBOX);
  EXPECT_TRUE(exStyle() & WS_EX_CONTEXTHELP);
  EXPECT_FALSE(exStyle() & WS_EX_DLGMODALFRAME);
  expectClient("single");

  form.SetBorderStyle(bsNone);
  PumpMessages();
  EXPECT_FALSE(style() & WS_CAPTION);
  EXPECT_TRUE(style() & WS_POPUP);
  RECT window, client;
  GetWindowRect(wnd, &window);
  GetClientRect(wnd, &client);
  EXPECT_EQ(window.right - window.left, client.right);
  expectClient("none");

  form.SetBorderStyle(bsSizeable);
  PumpMessages();
  EXPECT_EQ(hitRightBorder(), HTRIGHT);
  EXPECT_TRUE(IsWindowVisible(wnd));
  EXPECT_EQ(form.Edit1->GetText(), "kept");
  expectClient("sizeable");
}

TEST(FormBiDi, RightToLeftReachesControlsMenusAndTheFrame) {
  Application->Initialize();
  TFrameForm form(nullptr);
  form.ReadDescription(R"(object FrameForm: TFrameForm
  BiDiMode = bdRightToLeft
  ClientWidth = 300
  ClientHeight = 200
  Menu = MainMenu1
  object MainMenu1: TMainMenu
    object Window1: TMenuItem
      Caption = '&Window'
      object Tile1: TMenuItem
        Caption = '&Tile'
      end
    end
  end
  object Edit1: TEdit
    Left = 8
    Top = 8
  end
  object Edit2: TEdit
    Left = 8
    Top = 40
    BiDiMode = bdLeftToRight
  end
end
)");
  HWND wnd = form.Handle();
  auto* edit1 = dynamic_cast<TEdit*>(form.FindComponent("Edit1"));
  auto* edit2 = dynamic_cast<TEdit*>(form.FindComponent("Edit2"));
  ASSERT_TRUE(edit1 && edit2);
  constexpr DWORD rtl = WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
  auto ex = [](HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE)) & rtl; };
  EXPECT_EQ(ex(wnd), rtl);
  EXPECT_EQ(edit1->GetBiDiMode(), bdRightToLeft);
  EXPECT_TRUE(edit1->GetParentBiDiMode());
  EXPECT_EQ(ex(edit1->WindowHandle()), rtl);
  EXPECT_TRUE(GetWindowLongA(edit1->WindowHandle(), GWL_STYLE) & ES_RIGHT);
  EXPECT_EQ(ex(edit2->WindowHandle()), 0u);
  EXPECT_TRUE(form.MainMenu1->IsRightToLeft());
  MENUITEMINFOA mii{};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoA(GetMenu(wnd), 0, TRUE, &mii));
  EXPECT_EQ(mii.fType & (MFT_RIGHTORDER | MFT_RIGHTJUSTIFY),
            static_cast<UINT>(MFT_RIGHTORDER | MFT_RIGHTJUSTIFY));

  // Back to left-to-right: the form, the controls that follow it and the
  // menu change on the live windows.
  form.SetBiDiMode(bdLeftToRight);
  EXPECT_EQ(ex(wnd), 0u);
  EXPECT_EQ(ex(edit1->WindowHandle()), 0u);
  EXPECT_FALSE(form.MainMenu1->IsRightToLeft());
  ASSERT_TRUE(GetMenuItemInfoA(GetMenu(wnd), 0, TRUE, &mii));
  EXPECT_EQ(mii.fType & MFT_RIGHTORDER, 0u);
  form.SetBiDiMode(bdRightToLeftNoAlign);
  EXPECT_EQ(ex(wnd), static_cast<DWORD>(WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR));
  EXPECT_EQ(ex(edit2->WindowHandle()), 0u);
}

}  // namespace
