// Drag-time scrolling: which scroll messages reach a window.
#include <gtest/gtest.h>

#include <vector>

#include "shell/AutoScroll.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/TreeView.h"

namespace {

struct TScrollMessage {
  UINT Message;
  WPARAM Code;
  bool operator==(const TScrollMessage&) const = default;
};

std::vector<TScrollMessage> Received;

LRESULT CALLBACK RecordingProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
  if (Message == WM_HSCROLL || Message == WM_VSCROLL) {
    Received.push_back({Message, WParam});
    return 0;
  }
  return DefWindowProcA(Window, Message, WParam, LParam);
}

class AutoScroll : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "FwAutoScrollTest";
    RegisterClassA(&windowClass);
    Window = CreateWindowExA(0, "FwAutoScrollTest", "", WS_POPUP | WS_HSCROLL | WS_VSCROLL, 100,
                             100, 300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(Window, nullptr);
    Received.clear();
  }
  void TearDown() override { DestroyWindow(Window); }

  void SetRange(int Bar, int Max, UINT Page) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, Max, Page, 0, 0};
    SetScrollInfo(Window, Bar, &info, FALSE);
  }
  // Client point to screen point.
  POINT At(int X, int Y) {
    POINT point{X, Y};
    ClientToScreen(Window, &point);
    return point;
  }
  RECT Client() {
    RECT client;
    GetClientRect(Window, &client);
    return client;
  }

  HWND Window = nullptr;
};

}  // namespace

TEST_F(AutoScroll, EdgesScrollTowardsThemselves) {
  SetRange(SB_HORZ, 100, 10);
  SetRange(SB_VERT, 100, 10);
  const RECT client = Client();

  AutoScrollControl(Window, At(client.right / 2, client.bottom / 2));
  EXPECT_TRUE(Received.empty());

  AutoScrollControl(Window, At(5, 5));
  EXPECT_EQ(Received,
            (std::vector<TScrollMessage>{{WM_HSCROLL, SB_LINELEFT}, {WM_VSCROLL, SB_LINEUP}}));
  Received.clear();

  AutoScrollControl(Window, At(client.right - 5, client.bottom - 5));
  EXPECT_EQ(Received,
            (std::vector<TScrollMessage>{{WM_HSCROLL, SB_LINERIGHT}, {WM_VSCROLL, SB_LINEDOWN}}));
  Received.clear();

  // The zone is 20 pixels: 20 itself is outside it.
  AutoScrollControl(Window, At(20, client.bottom / 2));
  AutoScrollControl(Window, At(client.right - 20, client.bottom / 2));
  EXPECT_TRUE(Received.empty());
  AutoScrollControl(Window, At(19, client.bottom - 19));
  EXPECT_EQ(Received,
            (std::vector<TScrollMessage>{{WM_HSCROLL, SB_LINELEFT}, {WM_VSCROLL, SB_LINEDOWN}}));
}

TEST_F(AutoScroll, BarsWithNothingToScrollStayQuiet) {
  SetRange(SB_HORZ, 100, 10);
  SetRange(SB_VERT, 9, 10);  // everything fits in the page
  AutoScrollControl(Window, At(2, 2));
  EXPECT_EQ(Received, (std::vector<TScrollMessage>{{WM_HSCROLL, SB_LINELEFT}}));
  Received.clear();
  AutoScrollControl(static_cast<HWND>(nullptr), At(2, 2));
  EXPECT_TRUE(Received.empty());
}

// Through a toolkit tree with more nodes than it shows: the bottom edge
// scrolls it down one line, the top edge back up.
TEST(AutoScrollToolkit, TreeViewScrollsByLines) {
  Application->Initialize();
  TForm form(nullptr);
  form.SetBounds(50, 50, 300, 300);
  form.Show();
  auto* tree = new TTreeView(&form);
  AutoScrollControl(tree, POINT{0, 0});  // no window yet: nothing, and none made
  EXPECT_FALSE(tree->HandleAllocated());
  tree->SetParent(&form);
  tree->SetBounds(0, 0, 200, 200);
  for (int i = 0; i < 100; ++i) tree->Items().Add("node " + std::to_string(i));
  HWND window = tree->Handle();
  RECT client;
  GetClientRect(window, &client);
  POINT bottom{client.right / 2, client.bottom - 5}, top{client.right / 2, 5};
  ClientToScreen(window, &bottom);
  ClientToScreen(window, &top);

  EXPECT_EQ(GetScrollPos(window, SB_VERT), 0);
  AutoScrollControl(tree, bottom);
  AutoScrollControl(tree, bottom);
  EXPECT_EQ(GetScrollPos(window, SB_VERT), 2);
  AutoScrollControl(tree, top);
  EXPECT_EQ(GetScrollPos(window, SB_VERT), 1);
  AutoScrollControl(static_cast<TWinControl*>(nullptr), top);
}
