#include "skin/recognition/WindowRecognition.h"

#include <string>

#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/frame/FormSkinner.h"
#include "skin/recognition/ControlRules.h"
#include "skin/recognition/PainterFactory.h"
#include "toolkit/ControlAtom.h"
#include "toolkit/WinControl.h"

namespace {

using enum TPainterKind;
using enum TWindowAction;

struct TWindowRule {
  const char* ClassName;  // lower case
  int Option;             // a TSkinControlType, or kAnyOption
  // The style must not have Refused under Mask, and must have a bit of
  // Needed when Needed is given.
  DWORD Mask;
  DWORD Refused;
  DWORD Needed;
  TWindowAction Action;
  TPainterKind Kind;
};

// Tested in order; the first row whose class matches decides, with a
// painter only when its condition holds.
const TWindowRule kWindowRules[] = {
    {"combobox", xcCombo, CBS_DROPDOWNLIST, CBS_SIMPLE, 0, waPainter, pkComBox},
    {"comboboxex32", xcCombo, 0, 0, 0, waPainterOnFirstChild, pkComBox},
    // Only a size box or grip: a plain scroll bar would be covered by the
    // grip's background.
    {"scrollbar", kAnyOption, WS_TABSTOP, WS_TABSTOP, SBS_SIZEBOX | SBS_SIZEGRIP, waPainter,
     pkSizer},
    {"systreeview32", kAnyOption, 0, 0, 0, waNothing, pkCount},
    {"#32770", kAnyOption, WS_TABSTOP, WS_TABSTOP, 0, waChildrenThenPainter, pkBoxH},
    {"tpanel", kAnyOption, 0, 0, 0, waChildrenAndColour, pkCount},
    {"ttntpanel.unicodeclass", kAnyOption, 0, 0, 0, waChildrenAndColour, pkCount},
    {"ttntsilentpaintpanel.unicodeclass", kAnyOption, 0, 0, 0, waChildrenAndColour, pkCount},
    {"tcheckbox", xcCheckBox, 0, 0, 0, waPainter, pkCheckBox},
    {"tcombobox", xcCombo, 0, 0, 0, waPainter, pkComBox},
    {"tbutton", xcButton, 0, 0, 0, waPainter, pkButton},
    {"tprogressbar", kAnyOption, 0, 0, 0, waPainter, pkProgress},
    {"tsilentpaintpanel", kAnyOption, 0, 0, 0, waColour, pkCount},
    {"systabcontrol32", xcTab, TCS_OWNERDRAWFIXED, TCS_OWNERDRAWFIXED, 0, waPainter, pkTab},
    {"toolbarwindow32", kAnyOption, 0, 0, 0, waPainter, pkBoxH},
    {"edit", xcEdit, 0, 0, 0, waPainter, pkEdit},
    // The file list of the system's file dialogs, inside the dialog's shell
    // view.
    {"shelldll_defview", kAnyOption, 0, 0, 0, waChildrenAndColour, pkCount},
    {"syslistview32", xcScrollbar, 0, 0, 0, waPainter, pkScrollbarH},
};

bool StyleAllows(const TWindowRule& Rule, DWORD Style) {
  if (Rule.Mask && (Style & Rule.Mask) == Rule.Refused) return false;
  return !Rule.Needed || (Style & Rule.Needed);
}

std::string LowerClassName(HWND Window) {
  char name[101] = {};
  GetClassNameA(Window, name, sizeof name);
  return LowerAscii(name);
}

// A button by its type: group boxes and bitmap buttons stay native, check
// boxes, radio buttons and push buttons get their painters. Split buttons
// and command links, which no skin image draws, stay native too.
TWindowChoice ChooseButtonPainter(DWORD Style, const TSkinData& Data) {
  if (Style & BS_BITMAP) return {};
  switch (Style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return HasOption(Data, xcCheckBox) ? TWindowChoice{waPainter, pkCheckBox} : TWindowChoice{};
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return HasOption(Data, xcRadioButton) ? TWindowChoice{waPainter, pkRadioButton} : TWindowChoice{};
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_USERBUTTON:
    case BS_PUSHBOX:
      return HasOption(Data, xcButton) ? TWindowChoice{waPainter, pkButton} : TWindowChoice{};
    default:
      return {};
  }
}

}  // namespace

TWindowChoice ChooseWindowPainter(HWND Window, const TSkinData& Data) {
  const std::string cls = LowerClassName(Window);
  const auto style = static_cast<DWORD>(GetWindowLongA(Window, GWL_STYLE));
  // Owner-drawn buttons draw themselves; no row below names their class.
  if (cls == "button")
    return (style & BS_TYPEMASK) == BS_OWNERDRAW ? TWindowChoice{}
                                                 : ChooseButtonPainter(style, Data);
  for (const TWindowRule& rule : kWindowRules) {
    if (cls != rule.ClassName) continue;
    if (!HasOption(Data, rule.Option) || !StyleAllows(rule, style)) return {};
    if (rule.Action == waPainterOnFirstChild && !GetTopWindow(Window)) return {};
    return {rule.Action, rule.Kind};
  }
  return {};
}

TWindowRecognition::TWindowRecognition(TWinSkinForm& FormSkinner)
    : FFormSkinner(FormSkinner), FSkinData(*FormSkinner.SkinData()) {}

void TWindowRecognition::SkinChildWindows(HWND Parent) {
  for (HWND child = GetTopWindow(Parent); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongA(child, GWL_STYLE) & WS_CHILD) SkinChildWindow(child);
}

void TWindowRecognition::SkinChildWindow(HWND Window) {
  if (!Window || FFormSkinner.FindPainterByHandle(Window)) return;
  const TWindowChoice choice = ChooseWindowPainter(Window, FSkinData);
  switch (choice.Action) {
    case waNothing:
      break;
    case waPainter:
      Attach(choice.Kind, Window);
      break;
    case waPainterOnFirstChild:
      Attach(choice.Kind, GetTopWindow(Window));
      break;
    case waChildrenThenPainter:
      SkinChildWindows(Window);
      Attach(choice.Kind, Window);
      break;
    case waChildrenAndColour:
      SkinChildWindows(Window);
      ColourToolkitControl(Window);
      break;
    case waColour:
      ColourToolkitControl(Window);
      break;
  }
}

void TWindowRecognition::Attach(TPainterKind Kind, HWND Window) {
  if (!Window || FFormSkinner.FindPainterByHandle(Window)) return;
  TPainterTarget target;
  target.FormSkinner = &FFormSkinner;
  target.SkinData = &FSkinData;
  target.Canvas = &FFormSkinner.CanvasWork();
  target.Window = Window;
  MakePainter(Kind, target);
}

void TWindowRecognition::ColourToolkitControl(HWND Window) {
  if (TWinControl* control = FindControl(Window))
    control->SetColor(FSkinData.Skin().Colours.ButtonFace);
}
