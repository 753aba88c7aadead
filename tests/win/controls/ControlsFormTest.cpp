// The standard controls as a form description builds them: every published
// value reaches the control and its window, window classes carry the
// toolkit's class names, and class tests by name answer as the skin
// engine's recognition asks them.
#include <gtest/gtest.h>

#include <cstdio>

#include "toolkit/BitBtn.h"
#include "toolkit/CustomCheckBox.h"
#include "toolkit/CustomComboBox.h"
#include "toolkit/CustomFrame.h"
#include "toolkit/CustomListBox.h"
#include "toolkit/CustomMemo.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/CustomRadioGroup.h"
#include "toolkit/RadioButton.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/ScrollBox.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/ToolkitTestSupport.h"
#include "toolkit/portable/BmpEncoder.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/FormError.h"

namespace {

class TControlsForm : public TForm {
  FW_CLASS(TControlsForm)
 public:
  using TForm::TForm;
  TCheckBox* CheckBox1 = nullptr;
  TRadioButton* RadioButton1 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TRadioGroup* RadioGroup1 = nullptr;
  TPanel* Panel1 = nullptr;
  TScrollBox* ScrollBox1 = nullptr;
  TMemo* Memo1 = nullptr;
  TListBox* ListBox1 = nullptr;
  TComboBox* ComboBox1 = nullptr;
  TScrollBar* ScrollBar1 = nullptr;
  TBitBtn* BitBtn1 = nullptr;
  TSpeedButton* SpeedButton1 = nullptr;
  TFrame* Frame1 = nullptr;
};

const TClassInfo& TControlsForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TControlsForm>("TControlsForm", &TForm::StaticClass())
          .Field("CheckBox1", &TControlsForm::CheckBox1)
          .Field("RadioButton1", &TControlsForm::RadioButton1)
          .Field("GroupBox1", &TControlsForm::GroupBox1)
          .Field("RadioGroup1", &TControlsForm::RadioGroup1)
          .Field("Panel1", &TControlsForm::Panel1)
          .Field("ScrollBox1", &TControlsForm::ScrollBox1)
          .Field("Memo1", &TControlsForm::Memo1)
          .Field("ListBox1", &TControlsForm::ListBox1)
          .Field("ComboBox1", &TControlsForm::ComboBox1)
          .Field("ScrollBar1", &TControlsForm::ScrollBar1)
          .Field("BitBtn1", &TControlsForm::BitBtn1)
          .Field("SpeedButton1", &TControlsForm::SpeedButton1)
          .Field("Frame1", &TControlsForm::Frame1)
          .Info();
  return info;
}

// A 32 x 16 glyph strip: a red image and a blue one, white corners below
// left (the transparent colour).
std::string GlyphHex() {
  TPixelBuffer strip(32, 16, PixelFromRgb(255, 0, 0));
  strip.FillRect({16, 0, 32, 16}, PixelFromRgb(0, 0, 255));
  strip.SetPixel(0, 15, PixelFromRgb(255, 255, 255));
  std::vector<std::uint8_t> bmp = BmpEncoder::Encode24(strip);
  std::string hex;
  char digits[3];
  // Stored with its length in front, as descriptions hold glyphs.
  std::vector<std::uint8_t> data{static_cast<std::uint8_t>(bmp.size() & 0xFF),
                                 static_cast<std::uint8_t>((bmp.size() >> 8) & 0xFF), 0, 0};
  data.insert(data.end(), bmp.begin(), bmp.end());
  for (std::uint8_t b : data) {
    std::snprintf(digits, sizeof digits, "%02X", b);
    hex += digits;
  }
  return hex;
}

std::string Description() {
  return R"(object ControlsForm: TControlsForm
  Caption = 'Controls'
  ClientWidth = 600
  ClientHeight = 420
  object CheckBox1: TCheckBox
    Left = 8
    Top = 8
    Width = 120
    Caption = 'Three states'
    AllowGrayed = True
    State = cbGrayed
    Alignment = taLeftJustify
    TabOrder = 0
  end
  object RadioButton1: TRadioButton
    Left = 8
    Top = 30
    Caption = 'Radio'
    Checked = True
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 56
    Width = 180
    Height = 90
    Caption = 'Group'
    object Panel1: TPanel
      Left = 10
      Top = 20
      Width = 100
      Height = 40
      Caption = 'Inside'
      BevelInner = bvLowered
      BevelWidth = 2
      BorderWidth = 3
      BorderStyle = bsSingle
      Alignment = taLeftJustify
      Color = clWhite
    end
  end
  object RadioGroup1: TRadioGroup
    Left = 200
    Top = 8
    Width = 180
    Height = 100
    Caption = 'Choose'
    Columns = 2
    ItemIndex = 2
    Items.Strings = (
      'North'
      'East'
      'South'
      'West')
  end
  object ScrollBox1: TScrollBox
    Left = 200
    Top = 120
    Width = 120
    Height = 80
    BorderStyle = bsNone
    object Frame1: TFrame
      Left = 0
      Top = 0
      Width = 300
      Height = 200
    end
  end
  object Memo1: TMemo
    Left = 8
    Top = 160
    Width = 180
    Height = 80
    ScrollBars = ssBoth
    WordWrap = False
    WantTabs = True
    ReadOnly = True
    Lines.Strings = (
      'first line'
      'second line')
  end
  object ListBox1: TListBox
    Left = 400
    Top = 8
    Width = 150
    Height = 100
    ItemIndex = 1
    Sorted = True
    ScrollWidth = 400
    Items.Strings = (
      'cherry'
      'apple'
      'banana')
  end
  object ComboBox1: TComboBox
    Left = 400
    Top = 120
    Width = 150
    Style = csDropDownList
    DropDownCount = 5
    ItemIndex = 1
    Items.Strings = (
      'red'
      'green'
      'blue')
  end
  object ScrollBar1: TScrollBar
    Left = 400
    Top = 160
    Width = 17
    Height = 120
    Kind = sbVertical
    Min = 10
    Max = 50
    Position = 60
    PageSize = 11
    LargeChange = 5
  end
  object BitBtn1: TBitBtn
    Left = 200
    Top = 220
    Width = 100
    Height = 30
    Kind = bkOK
    Layout = blGlyphRight
    Margin = 4
    NumGlyphs = 2
    Glyph.Data = {)" +
         GlyphHex() + R"(}
  end
  object SpeedButton1: TSpeedButton
    Left = 320
    Top = 220
    Width = 60
    Height = 30
    Caption = 'Speed'
    Down = True
    GroupIndex = 3
    Flat = True
    AllowAllUp = True
    Layout = blGlyphTop
  end
end
)";
}

std::string WindowClassOf(HWND Wnd) {
  char name[64] = {};
  GetClassNameA(Wnd, name, sizeof name);
  return name;
}

LONG StyleOf(HWND Wnd) {
  return GetWindowLongA(Wnd, GWL_STYLE);
}

class ControlsFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application->Initialize();
    Form = new TControlsForm(nullptr);
    Form->ReadDescription(Description());
    Form->SetBounds(40, 40, Form->GetWidth(), Form->GetHeight());
    Form->Show();
    PumpMessages();
  }
  static void TearDownTestSuite() {
    delete Form;
    Form = nullptr;
  }
  static inline TControlsForm* Form = nullptr;
};

TEST_F(ControlsFormTest, ButtonControlsTakeTheirStatesAndShowThemInTheirWindows) {
  TCheckBox& check = *Form->CheckBox1;
  EXPECT_EQ(check.GetState(), cbGrayed);
  EXPECT_FALSE(check.GetChecked());
  EXPECT_TRUE(check.GetAllowGrayed());
  EXPECT_EQ(check.GetAlignment(), taLeftJustify);
  HWND box = check.WindowHandle();
  EXPECT_EQ(WindowClassOf(box), "TCheckBox");
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_TRUE(StyleOf(box) & BS_LEFTTEXT);
  // Checked from code: no click, but the window follows.
  check.SetChecked(true);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(check.GetState(), cbChecked);

  EXPECT_TRUE(Form->RadioButton1->GetChecked());
  EXPECT_EQ(WindowClassOf(Form->RadioButton1->WindowHandle()), "TRadioButton");
  EXPECT_EQ(SendMessageA(Form->RadioButton1->WindowHandle(), BM_GETCHECK, 0, 0), BST_CHECKED);

  TBitBtn& bit = *Form->BitBtn1;
  EXPECT_EQ(bit.GetKind(), bkOK);
  EXPECT_EQ(bit.GetText(), "OK");
  EXPECT_TRUE(bit.GetDefault());
  EXPECT_EQ(bit.GetLayout(), blGlyphRight);
  EXPECT_EQ(bit.GetMargin(), 4);
  EXPECT_EQ(bit.GetSpacing(), 4);
  EXPECT_EQ(bit.GetNumGlyphs(), 2);
  // The stored glyph, not the kind's own.
  EXPECT_EQ(bit.GetGlyph()->Width(), 32);
  EXPECT_EQ(bit.GetGlyph()->Height(), 16);
  EXPECT_EQ(StyleOf(bit.WindowHandle()) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(WindowClassOf(bit.WindowHandle()), "TBitBtn");

  TSpeedButton& speed = *Form->SpeedButton1;
  EXPECT_EQ(speed.GetGroupIndex(), 3);
  EXPECT_TRUE(speed.GetDown());  // Down came before GroupIndex could count
  EXPECT_TRUE(speed.GetFlat());
  EXPECT_TRUE(speed.GetAllowAllUp());
  EXPECT_TRUE(speed.GetTransparent());
  EXPECT_EQ(speed.GetLayout(), blGlyphTop);
}

TEST_F(ControlsFormTest, ContainersHoldTheirChildrenWithTheirSettings) {
  TGroupBox& group = *Form->GroupBox1;
  EXPECT_EQ(WindowClassOf(group.WindowHandle()), "TGroupBox");
  EXPECT_EQ(StyleOf(group.WindowHandle()) & BS_TYPEMASK, BS_GROUPBOX);
  TPanel& panel = *Form->Panel1;
  EXPECT_EQ(panel.Parent(), &group);
  EXPECT_EQ(GetParent(panel.WindowHandle()), group.WindowHandle());
  EXPECT_EQ(WindowClassOf(panel.WindowHandle()), "TPanel");
  EXPECT_EQ(panel.GetBevelInner(), bvLowered);
  EXPECT_EQ(panel.GetBevelOuter(), bvRaised);
  EXPECT_EQ(panel.GetBorderStyle(), bsSingle);
  EXPECT_TRUE(GetWindowLongA(panel.WindowHandle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(panel.GetAlignment(), taLeftJustify);
  EXPECT_EQ(panel.GetColor(), 0xFFFFFF);
  // Bevels of 2 and a border of 3 inside the client area.
  RECT client, content = panel.ContentRect();
  GetClientRect(panel.WindowHandle(), &client);
  EXPECT_EQ(content.left, 7);
  EXPECT_EQ(content.right, client.right - 7);

  TRadioGroup& radios = *Form->RadioGroup1;
  ASSERT_EQ(radios.ButtonCount(), 4);
  EXPECT_EQ(radios.GetItemIndex(), 2);
  EXPECT_EQ(radios.GetColumns(), 2);
  for (int i = 0; i < 4; ++i) {
    TRadioButton* b = radios.Buttons(i);
    EXPECT_EQ(b->Parent(), &radios);
    EXPECT_EQ(b->GetText(), radios.GetItems()->Get(i));
    EXPECT_EQ(b->GetChecked(), i == 2);
  }
  // Two columns filled top to bottom: South opens the second column.
  EXPECT_GT(radios.Buttons(2)->GetLeft(), radios.Buttons(1)->GetLeft());
  EXPECT_EQ(radios.Buttons(2)->GetTop(), radios.Buttons(0)->GetTop());
  EXPECT_GT(radios.Buttons(1)->GetTop(), radios.Buttons(0)->GetTop());

  TScrollBox& box = *Form->ScrollBox1;
  EXPECT_EQ(box.GetBorderStyle(), bsNone);
  EXPECT_FALSE(GetWindowLongA(box.WindowHandle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(Form->Frame1->Parent(), &box);
  EXPECT_EQ(WindowClassOf(Form->Frame1->WindowHandle()), "TFrame");
  // The frame reaches beyond the box: both bars, ranges to its far edges.
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(box.WindowHandle(), SB_VERT, &si));
  EXPECT_EQ(si.nMax, 199);
  ASSERT_TRUE(GetScrollInfo(box.WindowHandle(), SB_HORZ, &si));
  EXPECT_EQ(si.nMax, 299);
}

TEST_F(ControlsFormTest, ListControlsHoldTheirItemsInTheirWindows) {
  TMemo& memo = *Form->Memo1;
  HWND edit = memo.WindowHandle();
  EXPECT_EQ(WindowClassOf(edit), "TMemo");
  EXPECT_EQ(memo.GetText(), "first line\r\nsecond line");
  EXPECT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 2);
  EXPECT_EQ(memo.GetLines()->Get(1), "second line");
  EXPECT_TRUE(StyleOf(edit) & ES_MULTILINE);
  EXPECT_TRUE(StyleOf(edit) & ES_READONLY);
  EXPECT_TRUE(StyleOf(edit) & WS_VSCROLL);
  EXPECT_TRUE(StyleOf(edit) & WS_HSCROLL);
  EXPECT_TRUE(StyleOf(edit) & ES_AUTOHSCROLL);  // no wrapping
  EXPECT_TRUE(memo.GetWantTabs());
  memo.GetLines()->Insert(1, "middle");
  EXPECT_EQ(memo.GetText(), "first line\r\nmiddle\r\nsecond line");
  memo.GetLines()->Delete(0);
  EXPECT_EQ(memo.GetLines()->GetStrings(), (std::vector<std::string>{"middle", "second line"}));

  TListBox& list = *Form->ListBox1;
  HWND lb = list.WindowHandle();
  EXPECT_EQ(WindowClassOf(lb), "TListBox");
  ASSERT_EQ(SendMessageA(lb, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(list.GetItems()->GetStrings(), (std::vector<std::string>{"apple", "banana", "cherry"}));
  EXPECT_EQ(list.GetItemIndex(), 1);
  EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageA(lb, LB_GETHORIZONTALEXTENT, 0, 0), 400);
  EXPECT_TRUE(StyleOf(lb) & WS_HSCROLL);
  // Items and selection survive a new window.
  list.SetMultiSelect(true);
  EXPECT_NE(list.WindowHandle(), lb);
  EXPECT_EQ(list.GetItems()->Count(), 3);
  EXPECT_EQ(list.GetItemIndex(), 1);
  list.GetItems()->Add("aardvark");  // sorted: goes first
  EXPECT_EQ(list.GetItems()->Get(0), "aardvark");

  TComboBox& combo = *Form->ComboBox1;
  HWND cb = combo.WindowHandle();
  EXPECT_EQ(WindowClassOf(cb), "TComboBox");
  EXPECT_EQ(StyleOf(cb) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(combo.GetItemIndex(), 1);
  EXPECT_EQ(combo.GetText(), "green");
  EXPECT_EQ(combo.GetDropDownCount(), 5);
  // A drop-down list shows only item texts: setting text chooses the item.
  combo.SetText("BLUE");
  EXPECT_EQ(combo.GetItemIndex(), 2);
  combo.SetText("purple");
  EXPECT_EQ(combo.GetItemIndex(), -1);
  // The window keeps the closed height while reaching over the list.
  EXPECT_LT(combo.GetHeight(), 30);
  combo.SetStyle(csSimple);
  EXPECT_EQ(StyleOf(combo.WindowHandle()) & 3, CBS_SIMPLE);
  EXPECT_EQ(combo.GetItems()->Count(), 3);
  combo.SetStyle(csDropDown);
  combo.SetText("typed");
  EXPECT_EQ(combo.GetText(), "typed");
}

TEST_F(ControlsFormTest, ScrollBarSettlesItsRangeAfterLoading) {
  TScrollBar& bar = *Form->ScrollBar1;
  EXPECT_EQ(bar.GetKind(), sbVertical);
  EXPECT_TRUE(StyleOf(bar.WindowHandle()) & SBS_VERT);
  EXPECT_EQ(bar.GetMin(), 10);
  EXPECT_EQ(bar.GetMax(), 50);
  // Position 60 was beyond the end: the last page starts at 40.
  EXPECT_EQ(bar.GetPosition(), 40);
  SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(bar.WindowHandle(), SB_CTL, &si));
  EXPECT_EQ(si.nMin, 10);
  EXPECT_EQ(si.nMax, 50);
  EXPECT_EQ(si.nPage, 11u);
  EXPECT_EQ(si.nPos, 40);
  EXPECT_THROW(bar.SetParams(0, 20, 10), EComponentError);
  // Turning the bar swaps its sides.
  bar.SetKind(sbHorizontal);
  EXPECT_EQ(bar.GetWidth(), 120);
  EXPECT_EQ(bar.GetHeight(), 17);
  EXPECT_FALSE(StyleOf(bar.WindowHandle()) & SBS_VERT);
}

TEST(ControlsDescription, FaultyValuesAreRefusedNamingTheLine) {
  Application->Initialize();
  auto read = [](const std::string& Body) {
    TForm form(nullptr);
    try {
      form.ReadDescription("object F: TForm\n" + Body + "end\n");
    } catch (const EFormError& e) {
      return e.Line();
    }
    return 0;
  };
  EXPECT_EQ(read("  object C: TComboBox\n    Style = csOwnerDraw\n  end\n"), 3);
  EXPECT_EQ(read("  object B: TBitBtn\n    Glyph.Data = {0A0B0C0D}\n  end\n"), 3);
  EXPECT_EQ(read("  object S: TCheckBox\n    State = True\n  end\n"), 3);
}

// "Is a" by name, as the recognition rules ask it of each class.
TEST(ControlsClassTests, EachControlIsWhatTheRecognitionRulesLookFor) {
  struct TCase {
    const char* Class;
    std::vector<const char*> IsA;
    std::vector<const char*> IsNot;
  };
  const std::vector<TCase> cases{
      {"TCheckBox", {"TCustomCheckBox", "TButtonControl", "TWinControl"}, {"TRadioButton"}},
      {"TRadioButton", {"TButtonControl"}, {"TCustomCheckBox", "TButton"}},
      {"TButton", {"TButtonControl"}, {"TBitBtn", "TCustomCheckBox"}},
      {"TBitBtn", {"TButton", "TButtonControl"}, {"TSpeedButton"}},
      {"TGroupBox", {"TCustomGroupBox"}, {"TCustomRadioGroup", "TCustomPanel"}},
      {"TRadioGroup", {"TCustomRadioGroup", "TCustomGroupBox"}, {"TCustomPanel"}},
      {"TPanel", {"TCustomPanel", "TCustomControl"}, {"TCustomGroupBox"}},
      {"TScrollBox", {"TScrollingWinControl"}, {"TCustomFrame", "TCustomPanel"}},
      {"TFrame", {"TCustomFrame", "TScrollingWinControl"}, {"TCustomForm"}},
      {"TMemo", {"TCustomMemo", "TCustomEdit"}, {"TEdit"}},
      {"TEdit", {"TCustomEdit"}, {"TCustomMemo"}},
      {"TListBox", {"TCustomListBox"}, {"TCustomComboBox"}},
      {"TComboBox", {"TCustomComboBox"}, {"TCustomListBox", "TCustomEdit"}},
      {"TScrollBar", {"TWinControl"}, {"TScrollingWinControl"}},
      {"TSpeedButton", {"TGraphicControl"}, {"TWinControl", "TButton"}},
  };
  for (const TCase& c : cases) {
    const TClassInfo* info = FindClassInfo(c.Class);
    ASSERT_NE(info, nullptr) << c.Class;
    ASSERT_TRUE(info->Factory()) << c.Class;
    EXPECT_TRUE(info->InheritsFrom(c.Class));
    for (const char* base : c.IsA) EXPECT_TRUE(info->InheritsFrom(base)) << c.Class << " " << base;
    for (const char* other : c.IsNot)
      EXPECT_FALSE(info->InheritsFrom(other)) << c.Class << " " << other;
  }
}

}  // namespace
