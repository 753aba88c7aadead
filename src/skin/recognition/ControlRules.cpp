#include "skin/recognition/ControlRules.h"

#include <windows.h>

#include <algorithm>

#include "skin/engine/SkinData.h"
#include "toolkit/WinControl.h"

namespace {

using enum TClassTest;
using enum TRuleAction;
using enum TPainterKind;

// Number, class test, names, option, needs the Tabs element, stops when
// not met, action, painter, background, variant (the image strip of the
// libraries' check boxes and radio buttons: 1 check box, 2 radio button,
// 3 other).
const TControlRule kControlRules[] = {
    {1, ctIsA, "TCustomTabControl", xcTab, true, false, raTabControl, pkTab, false},
    {2, ctIsA, "TToolButton", xcMainMenu, false, true, raToolButtonMenu, pkCount, false},
    {3, ctIsA, "TCoolBar", xcToolbar, false, false, raCoolBarBands, pkCount, false},
    {4, ctNamed, "TTABSET", xcTab, true, false, raPainter, pkTab31, false},
    {5, ctIsA, "TTabSheet", xcTab, true, false, raPainter, pkTabSheet, false},
    {6, ctNamed, "TTABBEDNOTEBOOK", xcTab, true, false, raPainter, pkTab, false},
    {7, ctNamed, "TMVCPANEL", kAnyOption, false, false, raChildrenOnly, pkCount, false},
    {8, ctIsA, "THeaderControl", xcPanel, false, false, raPainter, pkHeader, false},
    {9, ctIsA, "TCustomCheckBox", xcCheckBox, false, false, raPainter, pkCheckBox, false},
    {10, ctIsA, "TTrackBar", xcTrackBar, false, false, raPainter, pkTrackBar, false},
    {11, ctNamed, "TUPDOWN|TSPINBUTTON", xcSpin, false, false, raPainter, pkUpDown, false},
    {12, ctNamed, "TMEDIAPLAYER", xcButton, false, false, raPainter, pkMediaPlayer, false},
    {13, ctIsA, "TCustomRadioGroup", xcRadioButton, false, false, raRadioGroup, pkGroupBox,
     true},
    {14, ctNamed, "TDBNAVIGATOR", xcPanel, false, false, raPainterThenEachChild, pkBox, true},
    {15, ctNamed, "TRZDBCHECKBOX|TRZCHECKBOX", xcCheckBox, false, false, raPainter,
     pkObjImage, true, 1},
    {16, ctNamed, "TRZRADIOBUTTON|TRZDBRADIOBUTTON", xcRadioButton, false, false, raPainter,
     pkObjImage, true, 2},
    {17, ctNamed, "TCXDBCHECKBOX|TCXCHECKBOX", xcCheckBox, false, false, raPainter,
     pkObjImage, true, 3},
    {18, ctIsA, "TCustomGroupBox", xcPanel, false, false, raChildrenThenPainter, pkGroupBox,
     false},
    {19, ctIsA, "TRadioButton", xcRadioButton, false, false, raPainter, pkRadioButton, false},
    {20, ctIsA, "TToolBar", xcToolbar, false, false, raToolBar, pkBox, false},
    {21, ctIsA, "TCustomStatusBar", xcStatusBar, false, false, raPainter, pkStatusBar, false},
    {22, ctIsA, "TProgressBar", xcProgress, false, false, raPainter, pkProgress, false},
    {23, ctIsA, "TScrollBar", xcScrollbar, false, false, raPainter, pkScControl, false},
    {24, ctNamed, "TTNTCOMBOBOX", xcCombo, false, false, raPainter, pkComBox, false},
    {25, ctIsA, "TCustomComboBox", xcCombo, false, false, raPainter, pkComBox, false},
    {26, ctIsA, "TDateTimePicker", xcEdit, false, false, raDateTimePicker, pkDateTime, false},
    {27, ctNamed, "TRICHEDIT", xcScrollbar, false, false, raPainter, pkScrollbar, false},
    {28, ctNamed, "TWWDBRICHEDIT|TDXDBMEMO", xcScrollbar, false, false, raPainter,
     pkScrollbar, false},
    {29, ctIsA, "TBitBtn", xcBitBtn, false, true, raPainter, pkBitButton, false},
    {30, ctIsA, "TSpeedButton", xcSpeedButton, false, false, raPainter, pkSpeedButton, false},
    {31, ctIsA, "TCustomPanel", xcPanel, false, false, raChildrenThenPainter, pkBox, true},
    {32, ctNamed, "TDXTREELIST|TDXDBTREELIST|TDXDBGRID", xcScrollbar, false, false, raPainter,
     pkScrollbar, false},
    {33, ctIsA, "TCustomListView", xcScrollbar, false, false, raPainter, pkListView, false},
    {34, ctIsA, "TCustomMemo", xcScrollbar, false, false, raPainter, pkScrollbar, false},
    {35, ctIsA, "TCustomGrid", xcScrollbar, false, false, raPainter, pkScrollbar, false},
    {36, ctOwnScrollBars, "", xcScrollbar, false, false, raPainter, pkScrollbar, false},
    {37, ctIsA, "TButton", xcButton, false, false, raPainter, pkButton, false},
    {38, ctIsA, "TCustomEdit", xcEdit, false, false, raPainter, pkEdit, false},
    {39, ctNamed, "TDCEDIT|TDCDBEDIT", kAnyOption, false, false, raNumButtonsEdit, pkCount, false},
    {40, ctIsA, "TCustomFrame", kAnyOption, false, false, raOwnedComponents, pkCount, false},
    {41, ctIsA, "TCustomForm", kAnyOption, false, false, raPainterThenOwned, pkBox, true},
};

bool NamedIn(std::string_view Names, std::string_view Name) {
  while (!Names.empty()) {
    const size_t bar = Names.find('|');
    if (Names.substr(0, bar) == Name) return true;
    if (bar == std::string_view::npos) break;
    Names.remove_prefix(bar + 1);
  }
  return false;
}

}  // namespace

bool HasOwnScrollBars(const TControl& Control) {
  if (auto* windowed = dynamic_cast<const TWinControl*>(&Control)) {
    if (HWND handle = windowed->WindowHandle())
      if (GetWindowLongA(handle, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) return true;
  }
  for (const char* name : {"TListBox", "TMemo", "TCustomListBox", "TCustomTreeView", "TScrollBox"})
    if (Control.InheritsFrom(name)) return true;
  return false;
}

std::string UpperClassName(const TControl& Control) {
  std::string name = Control.ClassName();
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return name;
}

bool ClassTestHolds(const TControlRule& Rule, const TControl& Control,
                    std::string_view UpperClassName) {
  switch (Rule.Test) {
    case ctIsA:
      return Control.InheritsFrom(Rule.Names);
    case ctNamed:
      return NamedIn(Rule.Names, UpperClassName);
    case ctOwnScrollBars:
      return HasOwnScrollBars(Control);
  }
  return false;
}

bool HasOption(const TSkinData& Data, int Option) {
  return Option == kAnyOption ||
         Data.GetSkinControls().Contains(static_cast<TSkinControlType>(Option));
}

bool ConditionHolds(const TControlRule& Rule, const TSkinData& Data) {
  return HasOption(Data, Rule.Option) && (!Rule.NeedsTabs || Data.Skin().Tabs);
}

const TControlRule* MatchControlRule(const TControl& Control, const TSkinData& Data) {
  const std::string upper = UpperClassName(Control);
  for (const TControlRule& rule : kControlRules) {
    if (!ClassTestHolds(rule, Control, upper)) continue;
    if (ConditionHolds(rule, Data)) return &rule;
    if (rule.StopWhenNotMet) return nullptr;
  }
  return nullptr;
}
