// Owner-drawn list boxes and combo boxes: a form description sets their
// style and binds their drawing and measuring events; the items are drawn
// by the events (pixels read back), with the states the system reports,
// and variable items get the heights the event gives. Windowless buttons
// on a group box are painted over the box.
#include <gtest/gtest.h>

#include <map>

#include "ControlsTestSupport.h"
#include "toolkit/CustomComboBox.h"
#include "toolkit/CustomGroupBox.h"
#include "toolkit/CustomListBox.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/ToolkitTestSupport.h"
#include "toolkit/portable/ClassBuilder.h"

namespace {

using namespace controls_test;

// Item i is filled with this colour, so that each item can be found on screen.
COLORREF ItemColour(int Index) {
  return RGB(40 * (Index + 1), 200 - 30 * Index, 90);
}

class TOwnerDrawForm : public TForm {
  FW_CLASS(TOwnerDrawForm)
 public:
  using TForm::TForm;
  TListBox* FixedList = nullptr;
  TListBox* VariableList = nullptr;
  TListBox* PlainList = nullptr;
  TComboBox* ColourCombo = nullptr;
  // The state each item was last drawn with, per control.
  std::map<TWinControl*, std::map<int, TOwnerDrawState>> Drawn;

  void DrawItem(TWinControl* Control, int Index, const RECT& Rect, TOwnerDrawState State) {
    Drawn[Control][Index] = State;
    TCanvas& canvas = Control == ColourCombo ? ColourCombo->Canvas()
                                             : static_cast<TListBox*>(Control)->Canvas();
    canvas.Brush().SetColor(static_cast<int>(ItemColour(Index)));
    canvas.FillRect(Rect);
  }
  void MeasureItem(TWinControl*, int Index, int& Height) { Height = 12 + 6 * Index; }
};

const TClassInfo& TOwnerDrawForm::StaticClass() {
  using F = TOwnerDrawForm;
  static const TClassInfo info = TClassBuilder<F>("TOwnerDrawForm", &TForm::StaticClass())
                                     .Field("FixedList", &F::FixedList)
                                     .Field("VariableList", &F::VariableList)
                                     .Field("PlainList", &F::PlainList)
                                     .Field("ColourCombo", &F::ColourCombo)
                                     .Method("DrawItem", &F::DrawItem)
                                     .Method("MeasureItem", &F::MeasureItem)
                                     .Info();
  return info;
}

const char* const kDescription = R"(object OwnerDrawForm: TOwnerDrawForm
  Caption = 'Owner draw'
  ClientWidth = 520
  ClientHeight = 260
  object FixedList: TListBox
    Left = 8
    Top = 8
    Width = 120
    Height = 120
    ItemHeight = 20
    Style = lbOwnerDrawFixed
    OnDrawItem = DrawItem
    Items.Strings = (
      'one'
      'two'
      'three')
  end
  object VariableList: TListBox
    Left = 136
    Top = 8
    Width = 120
    Height = 120
    Style = lbOwnerDrawVariable
    OnDrawItem = DrawItem
    OnMeasureItem = MeasureItem
    Items.Strings = (
      'one'
      'two'
      'three'
      'four')
  end
  object PlainList: TListBox
    Left = 264
    Top = 8
    Width = 120
    Height = 120
    Style = lbOwnerDrawFixed
    ItemIndex = 0
    Items.Strings = (
      'no event'
      'draws text')
  end
  object ColourCombo: TComboBox
    Left = 8
    Top = 140
    Width = 160
    ItemHeight = 18
    Style = csOwnerDrawFixed
    ItemIndex = 1
    OnDrawItem = DrawItem
    Items.Strings = (
      'first'
      'second'
      'third')
  end
end
)";

class ControlsOwnerDrawTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application->Initialize();
    Form = new TOwnerDrawForm(nullptr);
    Form->ReadDescription(kDescription);
    Form->SetBounds(60, 60, Form->GetWidth(), Form->GetHeight());
    Form->Show();
    PumpMessages();
  }
  static void TearDownTestSuite() {
    delete Form;
    Form = nullptr;
  }
  static RECT ItemRectOf(HWND List, int Index) {
    RECT r{};
    SendMessageA(List, LB_GETITEMRECT, Index, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  static COLORREF ItemCentre(HWND List, int Index) {
    const RECT r = ItemRectOf(List, Index);
    return PixelOf(List, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  static inline TOwnerDrawForm* Form = nullptr;
};

TEST_F(ControlsOwnerDrawTest, FixedListDrawsEachItemThroughItsEventWithTheStateOfTheItem) {
  TListBox& list = *Form->FixedList;
  HWND wnd = list.WindowHandle();
  EXPECT_TRUE(GetWindowLongA(wnd, GWL_STYLE) & LBS_OWNERDRAWFIXED);
  EXPECT_EQ(list.GetStyle(), lbOwnerDrawFixed);
  EXPECT_EQ(SendMessageA(wnd, LB_GETITEMHEIGHT, 0, 0), 20);
  EXPECT_EQ(list.GetItems()->Get(2), "three");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ItemCentre(wnd, i), ItemColour(i)) << "item " << i;

  // A real click selects item 1: the event hears of it, and the list keeps
  // the event's drawing.
  const RECT r = ItemRectOf(wnd, 1);
  ClickIn(wnd, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_EQ(list.GetItemIndex(), 1);
  const TOwnerDrawState state = Form->Drawn[&list][1];
  EXPECT_TRUE(state.Contains(odSelected));
  EXPECT_TRUE(state.Contains(odFocused));
  EXPECT_FALSE(Form->Drawn[&list][0].Contains(odSelected));
  EXPECT_EQ(ItemCentre(wnd, 1), ItemColour(1));
  PressKey(VK_DOWN);
  EXPECT_EQ(list.GetItemIndex(), 2);
  EXPECT_TRUE(Form->Drawn[&list][2].Contains(odSelected));
  EXPECT_FALSE(Form->Drawn[&list][1].Contains(odSelected));
}

TEST_F(ControlsOwnerDrawTest, VariableListGivesEachItemTheHeightItsEventMeasures) {
  TListBox& list = *Form->VariableList;
  HWND wnd = list.WindowHandle();
  EXPECT_TRUE(GetWindowLongA(wnd, GWL_STYLE) & LBS_OWNERDRAWVARIABLE);
  int top = 0;
  for (int i = 0; i < 4; ++i) {
    const RECT r = ItemRectOf(wnd, i);
    EXPECT_EQ(r.bottom - r.top, 12 + 6 * i) << "item " << i;
    EXPECT_EQ(r.top, top) << "item " << i;
    top = r.bottom;
    EXPECT_EQ(ItemCentre(wnd, i), ItemColour(i)) << "item " << i;
  }
  // Items added later are measured too; a new window measures them again.
  list.GetItems()->Add("five");
  EXPECT_EQ(ItemRectOf(wnd, 4).bottom - ItemRectOf(wnd, 4).top, 12 + 6 * 4);
  list.SetSorted(true);
  wnd = list.WindowHandle();
  EXPECT_EQ(list.GetItems()->Get(0), "five");
  EXPECT_EQ(ItemRectOf(wnd, 1).bottom - ItemRectOf(wnd, 1).top, 12 + 6);
  list.SetSorted(false);
}

TEST_F(ControlsOwnerDrawTest, WithoutAnEventItemsShowTheirTextInTheColoursOfTheirState) {
  TListBox& list = *Form->PlainList;
  HWND wnd = list.WindowHandle();
  list.Repaint();
  PumpMessages();
  const RECT selected = ItemRectOf(wnd, 0), other = ItemRectOf(wnd, 1);
  // Right of the text: the background of the item's state.
  EXPECT_EQ(PixelOf(wnd, selected.right - 4, (selected.top + selected.bottom) / 2),
            GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(PixelOf(wnd, other.right - 4, (other.top + other.bottom) / 2),
            GetSysColor(COLOR_WINDOW));
  // Some text pixels in the item.
  int text = 0;
  for (int x = other.left; x < other.left + 50; ++x)
    for (int y = other.top; y < other.bottom; ++y)
      if (PixelOf(wnd, x, y) == GetSysColor(COLOR_WINDOWTEXT)) ++text;
  EXPECT_GT(text, 10);
}

TEST_F(ControlsOwnerDrawTest, OwnerDrawnComboDrawsItsSelectionFieldAndListThroughTheEvent) {
  TComboBox& combo = *Form->ColourCombo;
  HWND wnd = combo.WindowHandle();
  const LONG style = GetWindowLongA(wnd, GWL_STYLE);
  EXPECT_EQ(style & 3, CBS_DROPDOWNLIST);
  EXPECT_TRUE(style & CBS_OWNERDRAWFIXED);
  EXPECT_EQ(combo.GetText(), "second");
  EXPECT_EQ(SendMessageA(wnd, CB_GETITEMHEIGHT, 0, 0), 18);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(wnd, &info));
  const RECT field = info.rcItem;
  auto fieldColour = [&] {
    combo.Repaint();
    PumpMessages();
    return PixelOf(wnd, field.left + 20, (field.top + field.bottom) / 2);
  };
  EXPECT_EQ(fieldColour(), ItemColour(1));
  EXPECT_TRUE(Form->Drawn[&combo][1].Contains(odComboBoxEdit));

  // The keyboard chooses the next item; the field shows it.
  combo.SetFocus();
  PumpMessages();
  PressKey(VK_DOWN);
  EXPECT_EQ(combo.GetItemIndex(), 2);
  EXPECT_EQ(fieldColour(), ItemColour(2));

  // Dropped down, the list's items come from the event as well.
  ClickIn(wnd, {info.rcButton.left + 4, (info.rcButton.top + info.rcButton.bottom) / 2});
  ASSERT_TRUE(combo.GetDroppedDown());
  RECT item{};
  SendMessageA(info.hwndList, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(PixelOf(info.hwndList, item.right - 10, (item.top + item.bottom) / 2), ItemColour(0));
  EXPECT_FALSE(Form->Drawn[&combo][0].Contains(odComboBoxEdit));
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(combo.GetDroppedDown());
}

TEST_F(ControlsOwnerDrawTest, SpeedButtonsOnAGroupBoxArePaintedOverIt) {
  auto* group = new TGroupBox(Form);
  group->SetBounds(200, 136, 200, 100);
  group->SetText("Group");
  group->SetParent(Form);
  auto* button = new TSpeedButton(Form);
  button->SetBounds(20, 30, 40, 30);
  button->SetParent(group);
  group->Repaint();
  PumpMessages();
  HWND wnd = group->WindowHandle();
  // The face and its edges where the button is; the group's own frame
  // still drawn (its caption is there).
  EXPECT_NE(PixelOf(wnd, 21, 31), PixelOf(wnd, 100, 31));  // the light edge
  EXPECT_EQ(PixelOf(wnd, 58, 58), GetSysColor(COLOR_BTNSHADOW));
  int caption = 0;
  for (int x = 8; x < 50; ++x)
    for (int y = 0; y < 14; ++y)
      if (PixelOf(wnd, x, y) == GetSysColor(COLOR_WINDOWTEXT)) ++caption;
  EXPECT_GT(caption, 10);
  // A click on it reaches it.
  bool clicked = false;
  struct TSink {
    bool* Flag;
    void Click(TObject*) { *Flag = true; }
  } sink{&clicked};
  button->OnClick = TNotifyEvent(&sink, &TSink::Click);
  ClickIn(wnd, {40, 45});
  EXPECT_TRUE(clicked);
  delete button;
  delete group;
}

}  // namespace
