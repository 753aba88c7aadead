// Form descriptions build the common controls with the values they give,
// as the system controls report them back, and the class tests by name
// that the skin engine's rules make answer for each class.
#include "CommonControlsTest.h"
// (windows.h first)
#include <commctrl.h>

#include <algorithm>

#include "toolkit/CustomEdit.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/HeaderControl.h"
#include "toolkit/ListView.h"
#include "toolkit/MediaPlayer.h"
#include "toolkit/Menu.h"
#include "toolkit/PageControl.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/StatusBar.h"
#include "toolkit/TabSheet.h"
#include "toolkit/ToolBar.h"
#include "toolkit/TrackBar.h"
#include "toolkit/UpDown.h"

namespace {

constexpr const char* kFirstForm = R"(object Form1: TForm
  Left = 10
  Top = 10
  Width = 500
  Height = 400
  object PageControl1: TPageControl
    Left = 8
    Top = 8
    Width = 240
    Height = 150
    ActivePage = TabSheet2
    Style = tsButtons
    TabPosition = tpBottom
    object TabSheet1: TTabSheet
      Caption = 'General'
    end
    object TabSheet2: TTabSheet
      Caption = 'Advanced'
      ImageIndex = 3
    end
    object TabSheet3: TTabSheet
      Caption = 'Hidden'
      TabVisible = False
    end
  end
  object TabControl1: TTabControl
    Left = 256
    Top = 8
    Width = 220
    Height = 80
    Tabs = ( 'One' 'Two' 'Three' )
    TabIndex = 1
    MultiLine = True
  end
  object ProgressBar1: TProgressBar
    Left = 8
    Top = 170
    Width = 200
    Height = 16
    Min = 10
    Max = 60
    Position = 35
    Smooth = True
  end
  object TrackBar1: TTrackBar
    Left = 8
    Top = 196
    Width = 45
    Height = 150
    Max = 20
    Position = 5
    Orientation = trVertical
    TickStyle = tsNone
    PageSize = 4
  end
  object Edit1: TEdit
    Left = 256
    Top = 100
    Width = 80
    Height = 21
  end
  object UpDown1: TUpDown
    Left = 336
    Top = 100
    Width = 17
    Height = 21
    Associate = Edit1
    Min = -5
    Max = 50
    Position = 7
    Increment = 3
  end
  object StatusBar1: TStatusBar
    Panels = <
      item
        Text = 'Ready'
        Width = 120
      end
      item
        Text = 'Right'
        Alignment = taRightJustify
        Bevel = pbRaised
      end>
    SizeGrip = False
  end
end
)";

constexpr const char* kSecondForm = R"(object Form1: TForm
  Width = 500
  Height = 400
  object ImageList1: TImageList
  end
  object PopupMenu1: TPopupMenu
  end
  object ToolBar1: TToolBar
    Images = ImageList1
    Flat = True
    ShowCaptions = True
    ButtonHeight = 24
    object ToolButton1: TToolButton
      Caption = 'Bold'
      Style = tbsCheck
      Down = True
      ImageIndex = 2
    end
    object ToolButton2: TToolButton
      Style = tbsSeparator
    end
    object ToolButton3: TToolButton
      Caption = 'More'
      Style = tbsDropDown
      DropdownMenu = PopupMenu1
      Enabled = False
    end
  end
  object HeaderControl1: THeaderControl
    Style = hsFlat
    Sections = <
      item
        Text = 'Name'
        Width = 140
        MinWidth = 60
      end
      item
        Text = 'Owner'
        Alignment = taCenter
        AllowClick = False
      end>
  end
  object ListView1: TListView
    Left = 8
    Top = 80
    Width = 300
    Height = 150
    ViewStyle = vsReport
    RowSelect = True
    MultiSelect = True
    SmallImages = ImageList1
    Columns = <
      item
        Caption = 'File'
        Width = 160
      end
      item
        Caption = 'Size'
        Alignment = taRightJustify
      end>
  end
end
)";

}  // namespace

class DescriptionTest : public CommonControlsTest {};

TEST_F(DescriptionTest, PagesTabsBarsAndUpDownTakeTheirDescribedValues) {
  TForm form(nullptr);
  form.ReadDescription(kFirstForm);

  auto& pages = *dynamic_cast<TPageControl*>(form.FindComponent("PageControl1"));
  auto* sheet2 = dynamic_cast<TTabSheet*>(form.FindComponent("TabSheet2"));
  ASSERT_EQ(pages.PageCount(), 3);
  EXPECT_EQ(pages.GetActivePage(), sheet2);
  HWND tabs = pages.Handle();
  // The hidden page has no tab; the active page is the second tab.
  EXPECT_EQ(TabCtrl_GetItemCount(tabs), 2);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 1);
  EXPECT_TRUE(StyleOf(tabs) & TCS_BUTTONS);
  EXPECT_TRUE(StyleOf(tabs) & TCS_BOTTOM);
  TCITEMA item{};
  char text[32] = {};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(tabs, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "Advanced");
  EXPECT_EQ(item.iImage, 3);
  EXPECT_TRUE(IsWindowVisible(sheet2->Handle()) || !IsWindowVisible(form.Handle()));
  EXPECT_TRUE(GetWindowLongPtrA(sheet2->Handle(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_FALSE(GetWindowLongPtrA(pages.Pages(0)->Handle(), GWL_STYLE) & WS_VISIBLE);
  // The page fills what the tabs leave.
  RECT display = pages.DisplayRect();
  EXPECT_EQ(sheet2->BoundsRect().top, display.top);
  EXPECT_EQ(sheet2->BoundsRect().bottom, display.bottom);
  EXPECT_EQ(pages.Pages(2)->TabIndex(), -1);

  auto& tabControl = *dynamic_cast<TTabControl*>(form.FindComponent("TabControl1"));
  EXPECT_EQ(TabCtrl_GetItemCount(tabControl.Handle()), 3);
  EXPECT_EQ(TabCtrl_GetCurSel(tabControl.Handle()), 1);
  EXPECT_TRUE(StyleOf(tabControl.Handle()) & TCS_MULTILINE);

  auto& progress = *dynamic_cast<TProgressBar*>(form.FindComponent("ProgressBar1"));
  HWND bar = progress.Handle();
  PBRANGE range{};
  SendMessageA(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.iLow, 10);
  EXPECT_EQ(range.iHigh, 60);
  EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 35);
  EXPECT_TRUE(StyleOf(bar) & PBS_SMOOTH);

  auto& track = *dynamic_cast<TTrackBar*>(form.FindComponent("TrackBar1"));
  HWND tb = track.Handle();
  EXPECT_EQ(SendMessageA(tb, TBM_GETRANGEMAX, 0, 0), 20);
  EXPECT_EQ(SendMessageA(tb, TBM_GETPOS, 0, 0), 5);
  EXPECT_EQ(SendMessageA(tb, TBM_GETPAGESIZE, 0, 0), 4);
  EXPECT_TRUE(StyleOf(tb) & TBS_VERT);
  EXPECT_TRUE(StyleOf(tb) & TBS_NOTICKS);

  auto& edit = *dynamic_cast<TEdit*>(form.FindComponent("Edit1"));
  auto& upDown = *dynamic_cast<TUpDown*>(form.FindComponent("UpDown1"));
  HWND ud = upDown.Handle();
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(ud, UDM_GETBUDDY, 0, 0)), edit.Handle());
  EXPECT_EQ(edit.GetText(), "7");
  int low = 0, high = 0;
  SendMessageA(ud, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, -5);
  EXPECT_EQ(high, 50);
  UDACCEL accel{};
  SendMessageA(ud, UDM_GETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  EXPECT_EQ(accel.nInc, 3u);
  // The up-down moved itself to the edit's right edge.
  EXPECT_EQ(upDown.GetLeft(), edit.GetLeft() + edit.GetWidth());

  auto& status = *dynamic_cast<TStatusBar*>(form.FindComponent("StatusBar1"));
  HWND sb = status.Handle();
  EXPECT_EQ(SendMessageA(sb, SB_GETPARTS, 0, 0), 2);
  char panel[32] = {};
  SendMessageA(sb, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(panel));
  EXPECT_STREQ(panel, "Ready");
  LRESULT info = SendMessageA(sb, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(panel));
  EXPECT_STREQ(panel, "\t\tRight");
  EXPECT_TRUE(HIWORD(info) & SBT_POPOUT);
  EXPECT_FALSE(StyleOf(sb) & SBARS_SIZEGRIP);
  // Aligned to the bottom of the form's client area, across its width.
  RECT client;
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(status.GetTop() + status.GetHeight(), client.bottom);
  EXPECT_EQ(status.GetWidth(), client.right);
}

TEST_F(DescriptionTest, ToolBarHeaderAndListViewTakeTheirDescribedValues) {
  TForm form(nullptr);
  form.ReadDescription(kSecondForm);
  auto& bar = *dynamic_cast<TToolBar*>(form.FindComponent("ToolBar1"));
  auto* images = dynamic_cast<TImageList*>(form.FindComponent("ImageList1"));
  HWND tb = bar.Handle();
  ASSERT_EQ(bar.ButtonCount(), 3);
  EXPECT_EQ(SendMessageA(tb, TB_BUTTONCOUNT, 0, 0), 3);
  EXPECT_TRUE(StyleOf(tb) & TBSTYLE_FLAT);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(tb, TB_GETIMAGELIST, 0, 0)),
            images->Handle());
  TToolButton& bold = *bar.Buttons(0);
  EXPECT_TRUE(SendMessageA(tb, TB_ISBUTTONCHECKED, bold.Command(), 0));
  EXPECT_TRUE(bold.GetDown());
  TBBUTTONINFOA info{};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_IMAGE | TBIF_STYLE;
  SendMessageA(tb, TB_GETBUTTONINFOA, bold.Command(), reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.iImage, 2);
  EXPECT_TRUE(info.fsStyle & BTNS_CHECK);
  TToolButton& more = *bar.Buttons(2);
  SendMessageA(tb, TB_GETBUTTONINFOA, more.Command(), reinterpret_cast<LPARAM>(&info));
  EXPECT_TRUE(info.fsStyle & BTNS_DROPDOWN);
  EXPECT_FALSE(SendMessageA(tb, TB_ISBUTTONENABLED, more.Command(), 0));
  EXPECT_EQ(more.GetDropdownMenu(), form.FindComponent("PopupMenu1"));
  SendMessageA(tb, TB_GETBUTTONINFOA, bar.Buttons(1)->Command(), reinterpret_cast<LPARAM>(&info));
  EXPECT_TRUE(info.fsStyle & BTNS_SEP);
  // The bar lies along the top, the header below it.
  auto& header = *dynamic_cast<THeaderControl*>(form.FindComponent("HeaderControl1"));
  EXPECT_EQ(bar.GetTop(), 0);
  EXPECT_EQ(header.GetTop(), bar.GetHeight());

  HWND hd = header.Handle();
  EXPECT_FALSE(StyleOf(hd) & HDS_BUTTONS);
  ASSERT_EQ(Header_GetItemCount(hd), 2);
  HDITEMA item{};
  item.mask = HDI_WIDTH | HDI_FORMAT;
  SendMessageA(hd, HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.cxy, 140);
  SendMessageA(hd, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_TRUE(item.fmt & HDF_CENTER);
  EXPECT_FALSE(header.Sections().Items(1).GetAllowClick());

  auto& list = *dynamic_cast<TListView*>(form.FindComponent("ListView1"));
  HWND lv = list.Handle();
  EXPECT_EQ(StyleOf(lv) & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_FALSE(StyleOf(lv) & LVS_SINGLESEL);
  EXPECT_TRUE(ListView_GetExtendedListViewStyle(lv) & LVS_EX_FULLROWSELECT);
  EXPECT_EQ(ListView_GetImageList(lv, LVSIL_SMALL), images->Handle());
  EXPECT_EQ(Header_GetItemCount(list.HeaderHandle()), 2);
  EXPECT_EQ(ListView_GetColumnWidth(lv, 0), 160);
  // The image list belongs to its component: the list view lets it be.
  delete images;
  EXPECT_EQ(list.GetSmallImages(), nullptr);
  EXPECT_EQ(ListView_GetImageList(lv, LVSIL_SMALL), nullptr);
}

TEST_F(DescriptionTest, ClassesAnswerTheClassTestsByName) {
  const char* const kRuleClasses[] = {
      "TCustomTabControl",    "TCustomListView", "TCustomStatusBar", "TToolWindow",
      "TCustomHeaderControl", "TCustomUpDown",   "TCustomControl"};
  struct TCase {
    const char* Class;
    std::vector<const char*> Ancestors;
  };
  const TCase cases[] = {
      {"TPageControl", {"TCustomTabControl", "TWinControl"}},
      {"TTabControl", {"TCustomTabControl"}},
      {"TTabSheet", {"TWinControl"}},
      {"TProgressBar", {"TWinControl"}},
      {"TTrackBar", {"TWinControl"}},
      {"TUpDown", {"TCustomUpDown", "TWinControl"}},
      {"TStatusBar", {"TCustomStatusBar", "TWinControl"}},
      {"TToolBar", {"TToolWindow", "TWinControl"}},
      {"THeaderControl", {"TCustomHeaderControl", "TWinControl"}},
      {"TListView", {"TCustomListView", "TWinControl"}},
      {"TDateTimePicker", {"TWinControl"}},
      {"TMediaPlayer", {"TCustomControl", "TWinControl"}},
  };
  for (const TCase& c : cases) {
    const TClassInfo* info = FindClassInfo(c.Class);
    ASSERT_NE(info, nullptr) << c.Class;
    ASSERT_TRUE(info->Factory()) << c.Class;
    TComponent* instance = info->Factory()(Form);
    auto* control = dynamic_cast<TWinControl*>(instance);
    ASSERT_NE(control, nullptr) << c.Class;
    for (const char* ancestor : c.Ancestors)
      EXPECT_TRUE(instance->InheritsFrom(ancestor)) << c.Class << " is a " << ancestor;
    // The rules pick painters by these names: a class must answer only for
    // its own (a tab sheet taken for a tab control would get tabs painted).
    for (const char* rule : kRuleClasses) {
      bool listed = std::find_if(c.Ancestors.begin(), c.Ancestors.end(), [&](const char* a) {
                      return std::string(a) == rule;
                    }) != c.Ancestors.end();
      EXPECT_EQ(instance->InheritsFrom(rule), listed) << c.Class << " and " << rule;
    }
    // Window classes carry the toolkit's class names.
    control->SetParent(Form);
    EXPECT_EQ(ClassOf(control->Handle()), c.Class);
  }
  // A tool button has no window of its own; it is a control of its bar.
  TToolButton button(nullptr);
  EXPECT_TRUE(button.InheritsFrom("TControl"));
  EXPECT_FALSE(button.InheritsFrom("TWinControl"));
  EXPECT_NE(button.ClassType().FindProperty("MenuItem"), nullptr);
  // The page control's tab style reads as the first style by name.
  TPageControl pages(nullptr);
  const TPropInfo* style = pages.ClassType().FindProperty("Style");
  ASSERT_NE(style, nullptr);
  ASSERT_NE(style->Enum, nullptr);
  EXPECT_EQ(style->Enum->NameOf(static_cast<int>(style->Get(pages).Ordinal)), "tsTabs");
}
