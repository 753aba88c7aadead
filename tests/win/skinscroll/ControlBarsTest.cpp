// The overlays of controls with scroll bars of their own: placed exactly
// over the native bars, drawn from the skin, forwarding real clicks and
// drags so that the control scrolls as with its native bar, following the
// control as it changes, and gone when the painter lets go.
#include <gtest/gtest.h>

#include <atomic>

#include "common/MessagePump.h"
#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skin/painters/SkinListView.h"
#include "skin/painters/SkinScrollbar.h"
#include "skin/painters/WScrollbar.h"
#include "skinscroll/ScrollTestSupport.h"
#include "skin/imaging/SkinSystem.h"
#include "toolkit/CustomListBox.h"
#include "toolkit/CustomMemo.h"
#include "toolkit/ListView.h"
#include "toolkit/TreeView.h"

namespace {

TSkinScrollbar* AttachBars(TWinControl* Control, TSkinData* Data) {
  auto* painter = new TSkinScrollbar(Control);
  painter->AttachScrollBars(Control, Data, nullptr, nullptr);
  PumpMessages(40);
  return painter;
}

bool SameRect(const RECT& A, const RECT& B) {
  return EqualRect(&A, &B) != 0;
}

int Position(HWND Window, int Bar = SB_VERT) {
  return ScrollPosition(Window, Bar).nPos;
}

}  // namespace

TEST(ControlBars, TreeOverlayLiesExactlyOverTheNativeBarAndShowsTheSkin) {
  TScrollForm window;
  TTreeView* tree = window.AddTree(300, {10, 10, 250, 300});
  TSkinScrollbar* painter = AttachBars(tree, window.Data);
  TWScrollbar* vert = painter->VertBar();
  ASSERT_NE(vert, nullptr);
  ASSERT_TRUE(vert->Shown());
  const HWND overlay = vert->WindowHandle();
  EXPECT_TRUE(IsWindowVisible(overlay));
  EXPECT_TRUE(SameRect(WindowRectOf(overlay), NativeBar(tree->Handle(), OBJID_VSCROLL).rcScrollBar));
  // A sibling directly above the tree, a tool window, no tab stop.
  EXPECT_EQ(GetParent(overlay), window.Form->Handle());
  EXPECT_EQ(GetWindow(tree->Handle(), GW_HWNDPREV), overlay);
  EXPECT_EQ(GetWindowLongA(overlay, GWL_EXSTYLE), WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetWindowLongA(overlay, GWL_STYLE) & WS_TABSTOP, 0);
  // The tree has no horizontal bar, so that overlay stays hidden.
  EXPECT_FALSE(IsWindowVisible(painter->HorzBar()->WindowHandle()));
  // The thumb is the native one, and every pixel of the bar is the skin's.
  const SCROLLBARINFO native = NativeBar(tree->Handle(), OBJID_VSCROLL);
  EXPECT_EQ(vert->Thumb(), (TThumbSpan{native.xyThumbTop, native.xyThumbBottom}));
  EXPECT_EQ(PixelsOffPicture(*window.Data, *vert), 0);
}

TEST(ControlBars, ClicksAndDragsOnTheOverlayScrollTheTreeAsTheNativeBarDoes) {
  TScrollForm window;
  TTreeView* tree = window.AddTree(300, {10, 10, 250, 300});
  TWScrollbar* vert = AttachBars(tree, window.Data)->VertBar();
  const HWND handle = tree->Handle();
  const int length = vert->Length();
  const int arrow = vert->ArrowSize();

  ClickAt(OnBar(*vert, length - arrow / 2));  // the down arrow: one line
  EXPECT_EQ(Position(handle), 1);
  ClickAt(OnBar(*vert, arrow / 2));  // the up arrow
  EXPECT_EQ(Position(handle), 0);
  const int page = static_cast<int>(ScrollPosition(handle, SB_VERT).nPage);
  ClickAt(OnBar(*vert, vert->Thumb().End + 10));  // the track below the thumb: one page
  EXPECT_EQ(Position(handle), page);
  ClickAt(OnBar(*vert, vert->Thumb().Start - 5));  // and above it
  EXPECT_EQ(Position(handle), 0);

  // Dragging the thumb scrolls on the way, and the overlay's thumb ends
  // where the native one is.
  const int grab = (vert->Thumb().Start + vert->Thumb().End) / 2;
  DragFromTo(OnBar(*vert, grab), OnBar(*vert, grab + 120));
  const int dragged = Position(handle);
  EXPECT_GT(dragged, 60);
  EXPECT_LT(dragged, 300);
  const SCROLLBARINFO native = NativeBar(handle, OBJID_VSCROLL);
  EXPECT_EQ(vert->Thumb(), (TThumbSpan{native.xyThumbTop, native.xyThumbBottom}));
  EXPECT_FALSE(vert->Pressed());
  EXPECT_EQ(PixelsOffPicture(*window.Data, *vert), 0);
}

TEST(ControlBars, ThePartHeldDownIsLitWhileTheNativeLoopRuns) {
  TScrollForm window;
  TTreeView* tree = window.AddTree(300, {10, 10, 250, 300});
  TWScrollbar* vert = AttachBars(tree, window.Data)->VertBar();
  const POINT downArrow = OnBar(*vert, vert->Length() - vert->ArrowSize() / 2);
  const RECT bar = WindowRectOf(vert->WindowHandle());
  const RECT arrowCell{bar.left, bar.bottom - vert->ArrowSize(), bar.right, bar.bottom};
  TPixelBuffer whileHeld;
  RunInput([&] {
    MouseTo(downArrow);
    Sleep(60);
    MouseDown();
    Sleep(500);
    whileHeld = ScreenPixels(arrowCell);
    MouseUp();
  });
  // The held arrow repeats, and showed its pressed frame meanwhile.
  EXPECT_GT(Position(tree->Handle()), 1);
  TScrollBarState pressed;
  pressed.Vertical = true;
  pressed.Width = bar.right - bar.left;
  pressed.Height = bar.bottom - bar.top;
  pressed.ArrowSize = vert->ArrowSize();
  pressed.Thumb = vert->Thumb();
  pressed.HotPart = spSecondArrow;
  pressed.Pressed = true;
  const TPixelBuffer picture = BuildScrollBarImage(
      window.Data->Skin(), ResolveColor(window.Data->Skin().Colours.ButtonFace), pressed);
  const TPixelBuffer expected =
      picture.Copy({0, pressed.Height - pressed.ArrowSize, pressed.Width, pressed.Height});
  EXPECT_EQ(whileHeld, expected);
  // Released, the arrow is drawn as it idles under the mouse.
  EXPECT_FALSE(vert->Pressed());
  EXPECT_EQ(PixelsOffPicture(*window.Data, *vert), 0);
}

TEST(ControlBars, OverlaysFollowTheTreeAsItChangesSizeVisibilityAndContent) {
  TScrollForm window;
  TTreeView* tree = window.AddTree(300, {10, 10, 250, 300});
  TSkinScrollbar* painter = AttachBars(tree, window.Data);
  TWScrollbar* vert = painter->VertBar();
  const HWND handle = tree->Handle();

  tree->SetBounds(30, 20, 200, 220);
  PumpMessages(40);
  EXPECT_TRUE(SameRect(WindowRectOf(vert->WindowHandle()), NativeBar(handle, OBJID_VSCROLL).rcScrollBar));
  EXPECT_EQ(PixelsOffPicture(*window.Data, *vert), 0);

  tree->Hide();
  PumpMessages(40);
  EXPECT_FALSE(IsWindowVisible(vert->WindowHandle()));
  tree->Show();
  PumpMessages(40);
  EXPECT_TRUE(IsWindowVisible(vert->WindowHandle()));

  tree->SetEnabled(false);
  PumpMessages(40);
  EXPECT_FALSE(IsWindowEnabled(vert->WindowHandle()));
  tree->SetEnabled(true);
  PumpMessages(40);
  EXPECT_TRUE(IsWindowEnabled(vert->WindowHandle()));

  // Few enough nodes to need no bar: nothing of the overlay stays.
  tree->Items().Clear();
  for (int i = 0; i < 3; ++i) tree->Items().Add("Few " + std::to_string(i));
  PumpMessages(60);
  EXPECT_FALSE(IsWindowVisible(vert->WindowHandle()));
  // Enough again: the bar comes back with its overlay.
  for (int i = 0; i < 200; ++i) tree->Items().Add("More " + std::to_string(i));
  PumpMessages(60);
  EXPECT_TRUE(IsWindowVisible(vert->WindowHandle()));
  EXPECT_TRUE(SameRect(WindowRectOf(vert->WindowHandle()), NativeBar(handle, OBJID_VSCROLL).rcScrollBar));
}

TEST(ControlBars, WheelAndKeyboardScrollingMoveTheOverlayThumb) {
  TScrollForm window;
  TTreeView* tree = window.AddTree(300, {10, 10, 250, 300});
  TWScrollbar* vert = AttachBars(tree, window.Data)->VertBar();
  const HWND handle = tree->Handle();
  tree->SetFocus();
  PumpMessages(30);
  PressChord({VK_END});
  PumpMessages(80);
  EXPECT_GT(Position(handle), 200);
  SCROLLBARINFO native = NativeBar(handle, OBJID_VSCROLL);
  EXPECT_EQ(vert->Thumb(), (TThumbSpan{native.xyThumbTop, native.xyThumbBottom}));
  EXPECT_EQ(PixelsOffPicture(*window.Data, *vert), 0);

  const int before = Position(handle);
  const RECT r = WindowRectOf(handle);
  MouseTo({(r.left + r.right) / 2 - 20, (r.top + r.bottom) / 2});
  INPUT wheel{};
  wheel.type = INPUT_MOUSE;
  wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
  wheel.mi.mouseData = static_cast<DWORD>(3 * WHEEL_DELTA);
  SendInput(1, &wheel, sizeof wheel);
  PumpMessages(80);
  EXPECT_LT(Position(handle), before);
  native = NativeBar(handle, OBJID_VSCROLL);
  EXPECT_EQ(vert->Thumb(), (TThumbSpan{native.xyThumbTop, native.xyThumbBottom}));
  EXPECT_EQ(PixelsOffPicture(*window.Data, *vert), 0);
}

TEST(ControlBars, MemoListBoxAndListViewBarsAreCoveredAndScroll) {
  TScrollForm window;
  auto* memo = window.Add<TMemo>({10, 10, 260, 200});
  memo->SetScrollBars(ssBoth);
  memo->SetWordWrap(false);
  std::string text;
  for (int i = 0; i < 100; ++i)
    text += "Line " + std::to_string(i) + " with text long enough to need a horizontal bar\r\n";
  memo->SetText(text);
  TSkinScrollbar* memoBars = AttachBars(memo, window.Data);
  ASSERT_TRUE(memoBars->VertBar()->Shown());
  ASSERT_TRUE(memoBars->HorzBar()->Shown());
  EXPECT_TRUE(SameRect(WindowRectOf(memoBars->HorzBar()->WindowHandle()),
                       NativeBar(memo->Handle(), OBJID_HSCROLL).rcScrollBar));
  EXPECT_EQ(PixelsOffPicture(*window.Data, *memoBars->HorzBar()), 0);
  EXPECT_EQ(PixelsOffPicture(*window.Data, *memoBars->VertBar()), 0);
  // The corner between the two bars has the skin's face colour.
  const RECT v = WindowRectOf(memoBars->VertBar()->WindowHandle());
  const RECT h = WindowRectOf(memoBars->HorzBar()->WindowHandle());
  const TPixelBuffer corner = ScreenPixels({v.left, h.top, v.right, h.bottom});
  EXPECT_EQ(corner.Pixel(corner.Width() / 2, corner.Height() / 2),
            PixelFromColor(ResolveColor(window.Data->Skin().Colours.ButtonFace)));
  TWScrollbar* memoVert = memoBars->VertBar();
  ClickAt(OnBar(*memoVert, memoVert->Length() - memoVert->ArrowSize() / 2));
  EXPECT_EQ(SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 1);
  TWScrollbar* memoHorz = memoBars->HorzBar();
  ClickAt(OnBar(*memoHorz, memoHorz->Length() - memoHorz->ArrowSize() / 2));
  EXPECT_GT(Position(memo->Handle(), SB_HORZ), 0);

  auto* list = window.Add<TListBox>({280, 10, 460, 200});
  for (int i = 0; i < 100; ++i) list->GetItems()->Add("Item " + std::to_string(i));
  TWScrollbar* listVert = AttachBars(list, window.Data)->VertBar();
  ASSERT_TRUE(listVert->Shown());
  ClickAt(OnBar(*listVert, listVert->Thumb().End + 10));
  const int page = static_cast<int>(ScrollPosition(list->Handle(), SB_VERT).nPage);
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETTOPINDEX, 0, 0), page);

  auto* view = window.Add<TListView>({10, 220, 460, 440});
  view->SetViewStyle(vsReport);
  view->Columns().Add("Name", 300);
  for (int i = 0; i < 100; ++i) view->Items().Add("Row " + std::to_string(i));
  auto* viewPainter = new TSkinListView(view);
  viewPainter->AttachScrollBars(view, window.Data, nullptr, nullptr);
  PumpMessages(60);
  EXPECT_NE(viewPainter->HeaderWindow(), nullptr);
  TWScrollbar* viewVert = viewPainter->VertBar();
  ASSERT_TRUE(viewVert->Shown());
  EXPECT_TRUE(SameRect(WindowRectOf(viewVert->WindowHandle()),
                       NativeBar(view->Handle(), OBJID_VSCROLL).rcScrollBar));
  ClickAt(OnBar(*viewVert, viewVert->Length() - viewVert->ArrowSize() / 2));
  EXPECT_EQ(SendMessageA(view->Handle(), LVM_GETTOPINDEX, 0, 0), 1);
  EXPECT_EQ(PixelsOffPicture(*window.Data, *viewVert), 0);
}

TEST(ControlBars, LettingGoRemovesTheOverlaysAndGivesTheNativeBarBack) {
  TScrollForm window;
  TTreeView* tree = window.AddTree(300, {10, 10, 250, 300});
  TSkinScrollbar* painter = AttachBars(tree, window.Data);
  const HWND overlay = painter->VertBar()->WindowHandle();
  const RECT bar = WindowRectOf(overlay);
  delete painter;
  PumpMessages(60);
  EXPECT_FALSE(IsWindow(overlay));
  EXPECT_EQ(SendMessageA(tree->Handle(), SM_ISSKINNED, 0, 0), 0);
  // The native bar shows again and still scrolls the tree.
  const SCROLLBARINFO native = NativeBar(tree->Handle(), OBJID_VSCROLL);
  EXPECT_TRUE(SameRect(bar, native.rcScrollBar));
  ClickAt({(bar.left + bar.right) / 2, bar.bottom - 4});
  EXPECT_EQ(Position(tree->Handle()), 1);
}

TEST(ControlBars, DestroyingTheControlLeavesNoOverlayBehind) {
  TScrollForm window;
  TTreeView* tree = window.AddTree(300, {10, 10, 250, 300});
  TSkinScrollbar* painter = AttachBars(tree, window.Data);
  const HWND overlay = painter->VertBar()->WindowHandle();
  ASSERT_TRUE(IsWindowVisible(overlay));
  tree->DestroyHandle();
  PumpMessages(40);
  EXPECT_FALSE(IsWindow(overlay) && IsWindowVisible(overlay));
  delete tree;  // and the painter with it
  PumpMessages(20);
  EXPECT_FALSE(IsWindow(overlay));
}
