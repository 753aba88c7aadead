// The scroll-bar painters as the engine gives them to a skinned window's
// controls: the recognised tree, memo and bar control get their overlays,
// a control whose window is made anew gets a fresh painter, and switching
// the skin off leaves no overlay and working native bars.
#include <gtest/gtest.h>

#include <vector>

#include "common/MessagePump.h"
#include "skin/painters/SkinScControl.h"
#include "skin/painters/SkinScrollbar.h"
#include "skin/painters/WScrollbar.h"
#include "skinscroll/ScrollTestSupport.h"
#include "toolkit/CustomMemo.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/TreeView.h"

namespace {

template <class TPainter>
TPainter* PainterOf(TWinSkinForm* Skinner, TControl* Control) {
  if (!Skinner) return nullptr;
  for (TSkinControl* painter : Skinner->Painters())
    if (painter->Control() == Control)
      if (auto* found = dynamic_cast<TPainter*>(painter)) return found;
  return nullptr;
}

std::vector<HWND> OverlayWindows(HWND Parent) {
  std::vector<HWND> found;
  for (HWND child = GetTopWindow(Parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (std::string(name) == "TWScrollbar") found.push_back(child);
  }
  return found;
}

bool Covers(const TWScrollbar& Bar, HWND Target, LONG Object) {
  const RECT overlay = WindowRectOf(Bar.WindowHandle());
  const RECT native = NativeBar(Target, Object).rcScrollBar;
  return Bar.Shown() && EqualRect(&overlay, &native);
}

}  // namespace

TEST(SkinnedForm, RecognisedControlsGetOverlaysThatGoWithTheSkin) {
  TScrollForm window(true);
  TTreeView* tree = window.AddTree(300, {10, 10, 250, 300});
  auto* memo = window.Add<TMemo>({270, 10, 500, 200});
  memo->SetScrollBars(ssVertical);
  std::string text;
  for (int i = 0; i < 80; ++i) text += "Line " + std::to_string(i) + " of the memo\r\n";
  memo->SetText(text);
  auto* bar = window.Add<TScrollBar>({270, 220, 500, 237});
  ASSERT_TRUE(window.Start());
  PumpMessages(100);

  auto* treeBars = PainterOf<TSkinScrollbar>(window.Skinner(), tree);
  ASSERT_NE(treeBars, nullptr);
  EXPECT_TRUE(Covers(*treeBars->VertBar(), tree->Handle(), OBJID_VSCROLL));
  EXPECT_EQ(PixelsOffPicture(*window.Data, *treeBars->VertBar()), 0);
  auto* memoBars = PainterOf<TSkinScrollbar>(window.Skinner(), memo);
  ASSERT_NE(memoBars, nullptr);
  EXPECT_TRUE(Covers(*memoBars->VertBar(), memo->Handle(), OBJID_VSCROLL));
  auto* barPainter = PainterOf<TSkinScControl>(window.Skinner(), bar);
  ASSERT_NE(barPainter, nullptr);
  EXPECT_TRUE(barPainter->Bar()->Shown());
  EXPECT_EQ(OverlayWindows(window.Form->Handle()).size(), 5u);  // two, two and one

  TWScrollbar* vert = treeBars->VertBar();
  ClickAt(OnBar(*vert, vert->Length() - vert->ArrowSize() / 2));
  EXPECT_EQ(ScrollPosition(tree->Handle(), SB_VERT).nPos, 1);

  // A window made anew (the memo gets a second bar): a fresh painter
  // covers the new window's bars.
  const HWND before = memo->Handle();
  memo->SetWordWrap(false);
  memo->SetScrollBars(ssBoth);
  PumpMessages(150);
  ASSERT_NE(memo->Handle(), before);
  auto* fresh = PainterOf<TSkinScrollbar>(window.Skinner(), memo);
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->Handle(), memo->Handle());
  EXPECT_TRUE(Covers(*fresh->VertBar(), memo->Handle(), OBJID_VSCROLL));
  EXPECT_EQ(OverlayWindows(window.Form->Handle()).size(), 5u);

  // Skin off: no overlay stays, and the native bar scrolls as before.
  window.Data->SetActive(false);
  ASSERT_TRUE(window.WaitUnskinned());
  PumpMessages(60);
  EXPECT_TRUE(OverlayWindows(window.Form->Handle()).empty());
  const int position = ScrollPosition(tree->Handle(), SB_VERT).nPos;
  const RECT native = NativeBar(tree->Handle(), OBJID_VSCROLL).rcScrollBar;
  ClickAt({(native.left + native.right) / 2, native.bottom - 4});
  EXPECT_EQ(ScrollPosition(tree->Handle(), SB_VERT).nPos, position + 1);
}
