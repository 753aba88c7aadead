// The tree view: nodes filled when first expanded, node state read back
// from the system control, sorting, and the reactions a derived tree takes
// over.
#include <gtest/gtest.h>

#include <cstring>

#include "ToolkitTestSupport.h"
#include "common/SyntheticInput.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/Form.h"
#include "toolkit/TreeView.h"

namespace {

// A tree whose nodes promise children and make them on first expansion,
// the way a folder tree does.
class TLazyTree : public TCustomTreeView {
  FW_CLASS(TLazyTree)
 public:
  using TCustomTreeView::TCustomTreeView;
  std::vector<std::string> Log;
  bool RefuseEdit = false;
  bool RefuseStore = false;
  int FramePaints = 0;

  TTreeNode* AddFolder(TTreeNode* Parent, const std::string& Name) {
    TTreeNode* node = Items().AddChild(Parent, Name);
    node->SetHasChildren(true);
    return node;
  }

 protected:
  bool CanExpand(TTreeNode* Node) override {
    Log.push_back("can expand " + Node->GetText());
    if (Node->GetHasChildren() && !Node->GetFirstChild()) {
      if (Node->GetText() == "empty") {
        Node->SetHasChildren(false);
      } else {
        for (const char* name : {"c", "a", "b"}) AddFolder(Node, name);
        Node->AlphaSort();
      }
    }
    return TCustomTreeView::CanExpand(Node);
  }
  void Change(TTreeNode* Node) override {
    Log.push_back("change " + (Node ? Node->GetText() : std::string("none")));
    TCustomTreeView::Change(Node);
  }
  void Delete(TTreeNode* Node) override {
    Log.push_back("delete " + Node->GetText());
    TCustomTreeView::Delete(Node);
  }
  bool CanEdit(TTreeNode* Node) override { return !RefuseEdit && TCustomTreeView::CanEdit(Node); }
  void KeyDown(WORD& Key, TShiftState Shift) override {
    Log.push_back("key " + std::to_string(Key));
    if (Key == VK_F5) Key = 0;  // consumed
    TCustomTreeView::KeyDown(Key, Shift);
  }
  void DblClick() override {
    Log.push_back("double click");
    TCustomTreeView::DblClick();
  }
  void DoContextPopup(POINT MousePos, bool& Handled) override {
    Log.push_back("popup " + std::to_string(MousePos.x) + "," + std::to_string(MousePos.y));
    Handled = true;
  }
  void Edit(const TVITEMA& Item) override {
    if (!RefuseStore) TCustomTreeView::Edit(Item);
  }
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_NCPAINT) ++FramePaints;
    TCustomTreeView::WndProc(Message);
  }
};

const TClassInfo& TLazyTree::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TLazyTree>("TLazyTree", &TCustomTreeView::StaticClass()).Info();
  return info;
}

class TreeViewTest : public ::testing::Test {
 protected:
  // One form serves all tests (see ControlTest).
  static void SetUpTestSuite() {
    Application->Initialize();
    Form = new TForm(nullptr);
    Form->SetBounds(50, 50, 300, 300);
    Form->Show();
  }
  static void TearDownTestSuite() { delete Form; }
  void SetUp() override {
    Tree = new TLazyTree(Form);
    Tree->SetParent(Form);
    Tree->SetBounds(0, 0, 280, 260);
  }
  void TearDown() override { Form->DestroyOwnedComponents(); }
  std::vector<std::string> Names(TTreeNode* Parent) {
    std::vector<std::string> names;
    for (TTreeNode* c = Parent->GetFirstChild(); c; c = c->GetNextSibling())
      names.push_back(c->GetText());
    return names;
  }
  static inline TForm* Form = nullptr;
  TLazyTree* Tree = nullptr;
};

TEST_F(TreeViewTest, ChildrenAreMadeOnFirstExpansionAndSorted) {
  TTreeNode* root = Tree->AddFolder(nullptr, "root");
  EXPECT_TRUE(root->GetHasChildren());
  EXPECT_EQ(root->Count(), 0);
  root->Expand(false);
  EXPECT_TRUE(root->GetExpanded());
  EXPECT_EQ(Names(root), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(root->Item(2)->GetText(), "c");
  EXPECT_EQ(root->Item(1)->Parent(), root);
  EXPECT_EQ(root->Item(1)->Level(), 1);
  EXPECT_EQ(root->Item(1)->Index(), 1);
  root->Collapse(false);
  root->Expand(false);  // filled once only
  EXPECT_EQ(root->Count(), 3);
  EXPECT_EQ(Tree->Items().Count(), 4);

  TTreeNode* empty = Tree->AddFolder(root, "empty");
  empty->Expand(false);
  EXPECT_FALSE(empty->GetHasChildren());
  EXPECT_EQ(empty->Count(), 0);
}

TEST_F(TreeViewTest, CustomSortUsesTheComparisonAndCarriesItsFailureOut) {
  TTreeNode* root = Tree->Items().Add("root");
  for (int i : {3, 1, 2}) Tree->Items().AddChild(root, std::to_string(i))->Data = new int(i);
  auto descending = [](TTreeNode* A, TTreeNode* B, LPARAM) {
    return *static_cast<int*>(B->Data) - *static_cast<int*>(A->Data);
  };
  EXPECT_TRUE(root->CustomSort(descending, 0));
  EXPECT_EQ(Names(root), (std::vector<std::string>{"3", "2", "1"}));
  auto failing = [](TTreeNode*, TTreeNode*, LPARAM) -> int { throw std::runtime_error("cmp"); };
  EXPECT_THROW(root->CustomSort(failing, 0), std::runtime_error);
  EXPECT_EQ(root->Count(), 3);
  for (TTreeNode* c = root->GetFirstChild(); c; c = c->GetNextSibling())
    delete static_cast<int*>(c->Data);
}

TEST_F(TreeViewTest, ExpansionCanBeRefusedByTheEvent) {
  struct TRefuser {
    void Expanding(TObject*, TTreeNode*, bool& Allow) { Allow = false; }
  } refuser;
  Tree->OnExpanding = TTVExpandingEvent(&refuser, &TRefuser::Expanding);
  TTreeNode* root = Tree->AddFolder(nullptr, "root");
  root->Expand(false);
  EXPECT_FALSE(root->GetExpanded());
}

TEST_F(TreeViewTest, NodeStateReachesTheSystemControl) {
  TTreeNode* node = Tree->Items().Add("node");
  int marker;
  node->Data = &marker;
  node->SetOverlayIndex(1);
  node->SetCut(true);
  node->SetImageIndex(3);
  node->SetSelectedIndex(4);
  TVITEMA item{};
  item.mask = TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = node->ItemId();
  item.stateMask = TVIS_OVERLAYMASK | TVIS_CUT;
  SendMessageA(Tree->WindowHandle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.state & TVIS_OVERLAYMASK, static_cast<UINT>(INDEXTOOVERLAYMASK(2)));
  EXPECT_TRUE(item.state & TVIS_CUT);
  EXPECT_EQ(item.iImage, 3);
  EXPECT_EQ(item.iSelectedImage, 4);
  EXPECT_EQ(Tree->Items().GetNode(node->ItemId()), node);
  EXPECT_EQ(Tree->Items().GetFirstNode()->Data, &marker);
}

TEST_F(TreeViewTest, SelectionChangeArrivesAfterTheDelay) {
  TTreeNode* a = Tree->Items().Add("a");
  TTreeNode* b = Tree->Items().Add("b");
  a->SetSelected(true);
  EXPECT_EQ(Tree->Log.back(), "change a");
  Tree->SetChangeDelay(50);
  Tree->Log.clear();
  b->SetSelected(true);
  EXPECT_TRUE(Tree->Log.empty());
  PumpMessages(150);
  EXPECT_EQ(Tree->Log, std::vector<std::string>{"change b"});
  EXPECT_EQ(Tree->GetSelected(), b);
}

TEST_F(TreeViewTest, DeletingNodesRunsTheReactionForEachAndFreesThem) {
  TTreeNode* root = Tree->AddFolder(nullptr, "root");
  root->Expand(false);
  Tree->Log.clear();
  root->Item(0)->Delete();
  EXPECT_EQ(Tree->Log, std::vector<std::string>{"delete a"});
  Tree->Items().Clear();
  EXPECT_EQ(Tree->Items().Count(), 0);
  EXPECT_EQ(Tree->Log.size(), 4u);  // b, c and root as well
  // Destroying the window frees what is left.
  Tree->Items().Add("x");
  Tree->Log.clear();
  delete Tree;
  Tree = nullptr;
  // (the log is gone with the tree; reaching here without a fault is the check
  // that node objects were freed through the deletion notification)
}

// The window goes and comes back (its own style, or a parent's, made it
// again): the same node objects are there, in their places, with their data,
// state, expansion and selection, and no reaction took them for deleted,
// changed or newly expanded.
TEST_F(TreeViewTest, NodesOutliveTheWindowBeingMadeAgain) {
  auto* panel = new TPanel(Form);
  panel->SetParent(Form);
  panel->SetBounds(0, 0, 280, 260);
  Tree->SetParent(panel);
  TTreeNode* root = Tree->AddFolder(nullptr, "root");
  root->Expand(false);
  TTreeNode* b = root->Item(1);
  int marker;
  b->Data = &marker;
  b->SetCut(true);
  TTreeNode* closed = Tree->AddFolder(nullptr, "closed");
  b->SetSelected(true);

  auto expectKept = [&](const char* How) {
    SCOPED_TRACE(How);
    EXPECT_EQ(Tree->Items().Count(), 5);
    EXPECT_EQ(Tree->Items().GetFirstNode(), root);
    EXPECT_EQ(Names(root), (std::vector<std::string>{"a", "b", "c"}));
    ASSERT_EQ(root->Item(1), b);
    EXPECT_EQ(b->Data, &marker);
    EXPECT_EQ(Tree->Items().GetNode(b->ItemId()), b);
    EXPECT_TRUE(TreeView_GetItemState(Tree->WindowHandle(), b->ItemId(), TVIS_CUT) & TVIS_CUT);
    EXPECT_TRUE(root->GetExpanded());
    EXPECT_EQ(Tree->GetSelected(), b);
    EXPECT_EQ(root->GetNextSibling(), closed);
    EXPECT_TRUE(closed->GetHasChildren());
    EXPECT_EQ(closed->Count(), 0);
    EXPECT_TRUE(Tree->Log.empty()) << Tree->Log.front();
  };
  Tree->Log.clear();
  HWND first = Tree->WindowHandle();
  Tree->RecreateWnd();
  EXPECT_FALSE(IsWindow(first));
  expectKept("the tree's own window made again");

  HWND second = Tree->WindowHandle();
  panel->SetBorderStyle(bsSingle);
  EXPECT_FALSE(IsWindow(second));
  ASSERT_TRUE(Tree->HandleAllocated());
  expectKept("the parent's window made again");

  // The moved nodes live on as before: filled when first expanded, freed
  // through the deletion reaction.
  closed->Expand(false);
  EXPECT_EQ(Names(closed), (std::vector<std::string>{"a", "b", "c"}));
  Tree->Log.clear();
  Tree->Items().Clear();
  EXPECT_EQ(Tree->Log.size(), 8u);
}

TEST_F(TreeViewTest, EditingAsksTheTreeAndStoresTheTextOnlyWhenAccepted) {
  Tree->SetReadOnly(false);
  TTreeNode* node = Tree->Items().Add("old");
  HWND wnd = Tree->WindowHandle();
  auto finishEdit = [&](const char* Text) {
    HWND edit = reinterpret_cast<HWND>(
        SendMessageA(wnd, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(node->ItemId())));
    if (!edit) return false;
    SetWindowTextA(edit, Text);
    SendMessageA(wnd, TVM_ENDEDITLABELNOW, FALSE, 0);
    return true;
  };
  ASSERT_TRUE(finishEdit("new"));
  EXPECT_EQ(node->GetText(), "new");
  Tree->RefuseStore = true;
  ASSERT_TRUE(finishEdit("refused"));
  EXPECT_EQ(node->GetText(), "new");
  Tree->RefuseEdit = true;
  EXPECT_FALSE(finishEdit("never"));
  Tree->RefuseEdit = false;
  Tree->SetReadOnly(true);
  EXPECT_FALSE(finishEdit("never"));
  char text[32];
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.hItem = node->ItemId();
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(wnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "new");
}

TEST_F(TreeViewTest, KeyDoubleClickAndContextPopupReachTheOverrides) {
  TTreeNode* node = Tree->Items().Add("node");
  node->SetSelected(true);
  Tree->Log.clear();
  HWND wnd = Tree->WindowHandle();
  SendMessageA(wnd, WM_KEYDOWN, VK_F5, 0);
  SendMessageA(wnd, WM_KEYDOWN, VK_DOWN, 0);
  POINT screen = Tree->ClientToScreen(POINT{30, 40});
  SendMessageA(wnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(wnd), MAKELPARAM(screen.x, screen.y));
  // The control reports a double click to its parent, which reflects it.
  // (Sending real button messages would start the control's drag detection,
  // which waits for a mouse that nobody moves.)
  NMHDR dbl{wnd, 0, static_cast<UINT>(NM_DBLCLK)};
  SendMessageA(Form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&dbl));
  std::vector<std::string> expected{"key 116", "key 40", "popup 30,40", "double click"};
  EXPECT_EQ(Tree->Log, expected);
}

TEST_F(TreeViewTest, AltKeysGoToTheFormFirst) {
  struct TCharForm : TForm {
    using TForm::TForm;
    std::vector<WPARAM> Chars;
    void WndProc(TMessage& Message) override {
      if (Message.Msg == CM_DIALOGCHAR) {
        Chars.push_back(Message.WParam);
        Message.Result = Message.WParam == 'f';
        return;
      }
      TForm::WndProc(Message);
    }
  };
  TCharForm form(nullptr);
  auto* tree = new TLazyTree(&form);
  tree->SetParent(&form);
  SendMessageA(tree->Handle(), WM_SYSCHAR, 'f', 0x20000000);
  SendMessageA(tree->Handle(), WM_SYSCHAR, 'x', 0x20000000);
  EXPECT_EQ(form.Chars, (std::vector<WPARAM>{'f', 'x'}));
}

}  // namespace

namespace {

// Each mouse-up event as "<button> up over <selected node>".
struct TMouseUpLog {
  TCustomTreeView* Tree;
  std::vector<std::string> Lines;
  void Up(TObject*, TMouseButton Button, TShiftState, int, int) {
    const char* name = Button == mbLeft ? "left" : Button == mbRight ? "right" : "middle";
    TTreeNode* selected = Tree->GetSelected();
    Lines.push_back(std::string(name) + " up over " + (selected ? selected->GetText() : "none"));
  }
};

// Presses and releases a mouse button over the middle of Node's text, as a
// user would.
void ClickNode(TCustomTreeView* Tree, TTreeNode* Node, DWORD Down, DWORD Up) {
  RECT r{};
  ASSERT_TRUE(TreeView_GetItemRect(Tree->WindowHandle(), Node->ItemId(), &r, TRUE));
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(Tree->WindowHandle(), &p);
  SetCursorPos(p.x, p.y);
  INPUT inputs[3]{};
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  }
  inputs[1].mi.dwFlags |= Down;
  inputs[2].mi.dwFlags |= Up;
  SendInput(3, inputs, sizeof(INPUT));
  PumpMessages(300);
}

}  // namespace

// Releasing any button over a node selects it (with RightClickSelect) before
// the mouse-up event, the left button too, although the system's control
// keeps the left button's release to itself.
TEST_F(TreeViewTest, ReleasingAnyButtonOverANodeSelectsItBeforeTheMouseUpEvent) {
  TTreeNode* first = Tree->Items().AddChild(nullptr, "first");
  TTreeNode* second = Tree->Items().AddChild(nullptr, "second");
  TTreeNode* third = Tree->Items().AddChild(nullptr, "third");
  first->SetSelected(true);
  Tree->SetRightClickSelect(true);
  TMouseUpLog log{Tree, {}};
  Tree->OnMouseUp = TMouseEvent(&log, &TMouseUpLog::Up);
  SetForegroundWindow(Form->Handle());
  PumpMessages(100);

  ClickNode(Tree, third, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  ClickNode(Tree, second, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  ClickNode(Tree, first, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
  EXPECT_EQ(log.Lines, (std::vector<std::string>{"left up over third", "right up over second",
                                                 "middle up over first"}));
  EXPECT_TRUE(first->GetSelected());
}

namespace {

RECT RowOf(TTreeNode* Node) {
  RECT r{};
  HTREEITEM item = Node->ItemId();
  std::memcpy(&r, &item, sizeof item);
  SendMessageA(Node->TreeView().WindowHandle(), TVM_GETITEMRECT, FALSE,
               reinterpret_cast<LPARAM>(&r));
  return r;
}

POINT MiddleOf(const RECT& R) {
  return {(R.left + R.right) / 2, (R.top + R.bottom) / 2};
}

// The client area's pixels: as the window shows them, or as the control
// draws them afresh.
std::vector<DWORD> ClientPixels(HWND Wnd, bool Fresh) {
  RECT client;
  GetClientRect(Wnd, &client);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = client.right;
  info.bmiHeader.biHeight = -client.bottom;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  if (Fresh) {
    SendMessageA(Wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
                 PRF_CLIENT | PRF_ERASEBKGND);
  } else {
    HDC window = GetDC(Wnd);
    BitBlt(memory, 0, 0, client.right, client.bottom, window, 0, 0, SRCCOPY);
    ReleaseDC(Wnd, window);
  }
  GdiFlush();
  const auto* first = static_cast<const DWORD*>(bits);
  std::vector<DWORD> pixels(first, first + client.right * client.bottom);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// How many pixels of the window differ from what the control would draw now.
long StalePixels(HWND Wnd) {
  const std::vector<DWORD> shown = ClientPixels(Wnd, false);
  const std::vector<DWORD> fresh = ClientPixels(Wnd, true);
  long stale = 0;
  for (std::size_t i = 0; i < shown.size() && i < fresh.size(); ++i)
    stale += (shown[i] & 0xFFFFFF) != (fresh[i] & 0xFFFFFF);
  return stale;
}

void PaintNow(HWND Wnd) {
  RedrawWindow(Wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpMessages(30);
}

class QuietExpansionTest : public TreeViewTest {
 protected:
  void SetUp() override {
    TreeViewTest::SetUp();
    Wnd = Tree->WindowHandle();
    for (int i = 0; i < 30; ++i)
      Folders.push_back(Tree->AddFolder(nullptr, "folder " + std::to_string(i)));
    SetForegroundWindow(Form->Handle());
    Tree->SetFocus();
    PaintNow(Wnd);
  }
  HWND Wnd = nullptr;
  std::vector<TTreeNode*> Folders;
};

}  // namespace

// Opening a node on a shown branch invalidates the node's rows and the
// frame, and keeps what was already waiting to be painted; the rows above
// stay as they are.
TEST_F(QuietExpansionTest, OpeningInvalidatesTheNodesRowsAndKeepsWhatWaited) {
  const RECT top = RowOf(Folders[0]);
  InvalidateRect(Wnd, &top, TRUE);
  Folders[3]->Expand(false);
  ASSERT_EQ(Folders[3]->Count(), 3);
  EXPECT_TRUE(IsWindowVisible(Wnd));
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  GetUpdateRgn(Wnd, update, FALSE);
  const POINT waited = MiddleOf(top);
  const POINT above = MiddleOf(RowOf(Folders[2]));
  const POINT child = MiddleOf(RowOf(Folders[3]->Item(0)));
  EXPECT_TRUE(PtInRegion(update, waited.x, waited.y));
  EXPECT_FALSE(PtInRegion(update, above.x, above.y));
  EXPECT_TRUE(PtInRegion(update, child.x, child.y));
  DeleteObject(update);
  Tree->FramePaints = 0;
  PaintNow(Wnd);
  EXPECT_GE(Tree->FramePaints, 1);  // the scroll bar's new range is drawn
  EXPECT_EQ(StalePixels(Wnd), 0);

  // Opened again by the program: the control tells nobody, and still shows
  // the children.
  Folders[3]->Collapse(false);
  PaintNow(Wnd);
  Folders[3]->Expand(false);
  EXPECT_TRUE(IsWindowVisible(Wnd));
  PaintNow(Wnd);
  EXPECT_TRUE(Folders[3]->GetExpanded());
  EXPECT_EQ(StalePixels(Wnd), 0);
}

// Nodes opened from the keyboard, near the top and at the bottom of the
// window (where the control scrolls their children into view), are drawn as
// the control would draw them afresh.
TEST_F(QuietExpansionTest, NodesOpenedFromTheKeyboardAreDrawnWhole) {
  const UINT rows = TreeView_GetVisibleCount(Wnd);
  ASSERT_GT(rows, 5u);
  for (TTreeNode* node : {Folders[1], Folders[rows - 1]}) {
    node->SetSelected(true);
    PaintNow(Wnd);
    PressChord({VK_RIGHT});
    EXPECT_TRUE(PumpUntil([&] { return node->GetExpanded(); }, 3000)) << node->GetText();
    PaintNow(Wnd);
    EXPECT_TRUE(IsWindowVisible(Wnd));
    EXPECT_EQ(StalePixels(Wnd), 0) << node->GetText();
  }
  // The last one's children were brought into view.
  RECT client;
  GetClientRect(Wnd, &client);
  EXPECT_LE(RowOf(Folders[rows - 1]->Item(2)).bottom, client.bottom);
}
