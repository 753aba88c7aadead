// Form descriptions build the common controls with the values they give,
// as the system controls report them back, and the class tests by name
// that the skin engine's rules make answer for each class.
#include "CommonControlsTest.h"
// (windows.h first)
#include <commctrl.h>

#include "toolkit/CustomEdit.h"
#include "toolkit/PageControl.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/StatusBar.h"
#include "toolkit/TabSheet.h"
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

TEST_F(DescriptionTest, ClassesAnswerTheClassTestsByName) {
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
    EXPECT_FALSE(instance->InheritsFrom("TCustomListView")) << c.Class;
    // Window classes carry the toolkit's class names.
    control->SetParent(Form);
    EXPECT_EQ(ClassOf(control->Handle()), c.Class);
  }
  // The page control's tab style reads as the first style by name.
  TPageControl pages(nullptr);
  const TPropInfo* style = pages.ClassType().FindProperty("Style");
  ASSERT_NE(style, nullptr);
  ASSERT_NE(style->Enum, nullptr);
  EXPECT_EQ(style->Enum->NameOf(static_cast<int>(style->Get(pages).Ordinal)), "tsTabs");
}
