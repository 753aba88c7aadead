// The list view: report columns, items kept across window re-creation,
// selection by mouse, sorting, editing and the reactions a derived list
// takes over.
#include "CommonControlsTest.h"
// (windows.h first)
#include <commctrl.h>

#include "toolkit/ListView.h"

namespace {

// Frees what its items carry, the way a shell list frees identifier lists.
class TOwningList : public TCustomListView {
  FW_CLASS(TOwningList)
 public:
  using TCustomListView::TCustomListView;
  ~TOwningList() override { Items().Clear(); }
  std::vector<std::string> Log;
  int Freed = 0;
  bool RefuseEdit = false;

 protected:
  void Delete(TListItem* Item) override {
    delete static_cast<int*>(Item->Data);
    ++Freed;
    TCustomListView::Delete(Item);
  }
  void SelectItem(TListItem* Item, bool Selected) override {
    Log.push_back((Selected ? "select " : "unselect ") + Item->GetCaption());
    TCustomListView::SelectItem(Item, Selected);
  }
  void ColClick(TListColumn* Column) override { Log.push_back("column " + Column->GetCaption()); }
  bool CanEdit(TListItem* Item) override { return !RefuseEdit && TCustomListView::CanEdit(Item); }
  void DblClick() override { Log.push_back("double click"); }
};

const TClassInfo& TOwningList::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TOwningList>("TOwningList", &TCustomListView::StaticClass()).Info();
  return info;
}

std::vector<std::string> Captions(TCustomListView& List) {
  std::vector<std::string> out;
  for (int i = 0; i < List.Items().Count(); ++i) out.push_back(List.Items().Item(i)->GetCaption());
  return out;
}

std::string WindowText(HWND List, int Item, int SubItem) {
  char text[64] = {};
  ListView_GetItemText(List, Item, SubItem, text, sizeof text);
  return text;
}

}  // namespace

class ListViewTest : public CommonControlsTest {
 protected:
  void SetUp() override {
    CommonControlsTest::SetUp();
    List = Make<TOwningList>(10, 10, 360, 200);
    List->SetViewStyle(vsReport);
    List->Columns().Add("Name", 120);
    List->Columns().Add("Size", 80, taRightJustify);
    for (auto [name, size] : {std::pair{"beta", 20}, {"alpha", 300}, {"gamma", 1}}) {
      TListItem* item = List->Items().Add(name);
      item->AddSubItem(std::to_string(size));
      item->Data = new int(size);
    }
  }
  TOwningList* List = nullptr;
};

TEST_F(ListViewTest, ClickSelectsAndColumnsAndItemsShowInReportStyle) {
  HWND wnd = List->Handle();
  ASSERT_NE(List->HeaderHandle(), nullptr);
  EXPECT_EQ(Header_GetItemCount(List->HeaderHandle()), 2);
  EXPECT_EQ(ListView_GetItemCount(wnd), 3);
  EXPECT_EQ(WindowText(wnd, 1, 0), "alpha");
  EXPECT_EQ(WindowText(wnd, 1, 1), "300");
  LVCOLUMNA column{};
  column.mask = LVCF_FMT;
  SendMessageA(wnd, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
  EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);

  TListItem* alpha = List->Items().Item(1);
  ClickAt(wnd, CenterOf(alpha->DisplayRect()));
  EXPECT_EQ(List->Selected(), alpha);
  EXPECT_EQ(List->SelCount(), 1);
  EXPECT_EQ(List->ItemFocused(), alpha);
  TListItem* gamma = List->Items().Item(2);
  ClickAt(wnd, CenterOf(gamma->DisplayRect()));
  EXPECT_EQ(List->Selected(), gamma);
  EXPECT_EQ(List->Log,
            (std::vector<std::string>{"select alpha", "unselect alpha", "select gamma"}));
  EXPECT_EQ(List->GetItemAt(CenterOf(gamma->DisplayRect()).x, CenterOf(gamma->DisplayRect()).y),
            gamma);

  // A header click names its column.
  RECT header;
  Header_GetItemRect(List->HeaderHandle(), 1, &header);
  ClickAt(List->HeaderHandle(), CenterOf(header));
  EXPECT_EQ(List->Log.back(), "column Size");
}

TEST_F(ListViewTest, ItemsSortSurviveANewWindowAndAreFreedOnce) {
  List->AlphaSort();
  EXPECT_EQ(Captions(*List), (std::vector<std::string>{"alpha", "beta", "gamma"}));
  EXPECT_EQ(WindowText(List->Handle(), 0, 0), "alpha");
  List->CustomSort([](TListItem* A, TListItem* B,
                      LPARAM) { return *static_cast<int*>(A->Data) - *static_cast<int*>(B->Data); },
                   0);
  EXPECT_EQ(Captions(*List), (std::vector<std::string>{"gamma", "beta", "alpha"}));
  EXPECT_EQ(WindowText(List->Handle(), 2, 1), "300");
  // A failing comparison comes out of the sort, the list in one piece.
  EXPECT_THROW(
      List->CustomSort(
          [](TListItem*, TListItem*, LPARAM) -> int { throw std::runtime_error("compare"); }, 0),
      std::runtime_error);
  EXPECT_EQ(List->Items().Count(), 3);

  // Selection and items outlive a change of style that makes a new window.
  List->Items().Item(1)->SetSelected(true);
  List->SetMultiSelect(true);
  EXPECT_FALSE(StyleOf(List->Handle()) & LVS_SINGLESEL);
  EXPECT_EQ(ListView_GetItemCount(List->Handle()), 3);
  EXPECT_EQ(List->Selected(), List->Items().Item(1));
  List->SelectAll();
  EXPECT_EQ(List->SelCount(), 3);

  // Images, overlay and cut state reach the system control, on the new
  // window too.
  TListItem* first = List->Items().Item(0);
  first->SetImageIndex(4);
  first->SetOverlayIndex(1);
  first->SetCut(true);
  List->SetHideSelection(false);
  LVITEMA lv{};
  lv.mask = LVIF_IMAGE | LVIF_STATE;
  lv.stateMask = LVIS_OVERLAYMASK | LVIS_CUT;
  SendMessageA(List->Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lv));
  EXPECT_EQ(lv.iImage, 4);
  EXPECT_EQ(lv.state & LVIS_OVERLAYMASK, INDEXTOOVERLAYMASK(2));
  EXPECT_TRUE(lv.state & LVIS_CUT);

  List->Items().Delete(0);
  EXPECT_EQ(List->Freed, 1);
  EXPECT_EQ(ListView_GetItemCount(List->Handle()), 2);
  List->Items().Clear();
  EXPECT_EQ(List->Freed, 3);
  EXPECT_EQ(ListView_GetItemCount(List->Handle()), 0);
}

TEST_F(ListViewTest, CaptionEditingStoresTheNewTextUnlessRefused) {
  TListItem* beta = List->Items().Item(0);
  ASSERT_TRUE(beta->EditCaption());
  HWND edit = ListView_GetEditControl(List->Handle());
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(List->IsEditing());
  SetWindowTextA(edit, "delta");
  PressKey(VK_RETURN);
  EXPECT_FALSE(List->IsEditing());
  EXPECT_EQ(beta->GetCaption(), "delta");
  EXPECT_EQ(WindowText(List->Handle(), 0, 0), "delta");

  List->RefuseEdit = true;
  EXPECT_FALSE(beta->EditCaption());
  EXPECT_EQ(ListView_GetEditControl(List->Handle()), nullptr);
}
