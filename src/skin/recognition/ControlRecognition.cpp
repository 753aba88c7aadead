#include "skin/recognition/ControlRecognition.h"

#include <vector>

#include "skin/engine/EngineMessages.h"
#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/frame/FormSkinner.h"
#include "skin/painters/SkinControl.h"
#include "skin/recognition/ControlRules.h"
#include "skin/recognition/PainterFactory.h"
#include "skin/recognition/ThirdPartyRules.h"
#include "skin/recognition/WindowRecognition.h"
#include "toolkit/Menu.h"
#include "toolkit/ToolBar.h"
#include "toolkit/ToolButton.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/Collection.h"

namespace {

using enum TPainterKind;

// The children of a windowed control, as they are now: recognising one
// may add or remove children.
std::vector<TControl*> ChildrenOf(const TControl& Control) {
  std::vector<TControl*> children;
  if (auto* windowed = dynamic_cast<const TWinControl*>(&Control))
    for (int i = 0; i < windowed->ControlCount(); ++i) children.push_back(windowed->Controls(i));
  return children;
}

std::vector<TControl*> OwnedControlsOf(const TComponent& Container) {
  std::vector<TControl*> controls;
  for (int i = 0; i < Container.ComponentCount(); ++i)
    if (auto* control = dynamic_cast<TControl*>(Container.Component(i)))
      controls.push_back(control);
  return controls;
}

bool Contains(const std::string& Text, const char* Part) {
  return Text.find(Part) != std::string::npos;
}

// An edit has a border when its window and client rectangles differ.
bool HasBorder(HWND Window) {
  RECT window, client;
  if (!GetWindowRect(Window, &window) || !GetClientRect(Window, &client)) return false;
  return window.right - window.left != client.right ||
         window.bottom - window.top != client.bottom;
}

}  // namespace

TControlRecognition::TControlRecognition(TWinSkinForm& FormSkinner)
    : FFormSkinner(FormSkinner), FSkinData(*FormSkinner.SkinData()) {}

bool TControlRecognition::Option(int Type) const {
  return HasOption(FSkinData, Type);
}

// ---------------------------------------------------------------------------
// Walking a form

void TControlRecognition::SkinFormControls(TWinControl& Form) {
  SkinOwnedComponents(Form);
  const std::vector<TWinControl*> tabList = Form.TabList();
  for (TWinControl* control : tabList) {
    if (!control->HandleAllocated() || control->GetTag() == FSkinData.GetDisableTag()) continue;
    if (control->Perform(SM_ISSKINNED) == 1) continue;
    SkinControl(*control, Form);
  }
}

void TControlRecognition::SkinOwnedComponents(TComponent& Container) {
  for (TControl* control : OwnedControlsOf(Container)) SkinControl(*control, Container);
  if (Option(xcPopupMenu)) MakeContainerMenusOwnerDrawn(Container);
}

void TControlRecognition::SkinChildControls(TWinControl& Parent) {
  for (TControl* child : ChildrenOf(Parent)) SkinControl(*child, Parent);
}

bool TControlRecognition::HasPainter(TControl& Control) const {
  for (TSkinControl* painter : FFormSkinner.Painters())
    if (painter->Control() == &Control) return true;
  return Control.Perform(SM_ISSKINNED) == 1;
}

// ---------------------------------------------------------------------------
// One control

void TControlRecognition::SkinControl(TControl& Control, TComponent& Container) {
  if (SkinDisabledControl(Control)) return;
  if (!Control.Parent() || HasPainter(Control)) return;
  const std::string upper = UpperClassName(Control);
  if (auto* windowed = dynamic_cast<TWinControl*>(&Control)) {
    try {
      windowed->HandleNeeded();
    } catch (...) {
      return;  // a control whose window cannot be made stays as it is
    }
  }
  if (AskHandler(Control, Container, upper)) return;
  if (SkinThirdPartyControl(upper, Control)) return;
  if (upper == "TDBCOMBOBOXEH" || upper == "TFRDESIGNERPAGE" || upper == "TFRPBOX") return;
  if (const TControlRule* rule = MatchControlRule(Control, FSkinData))
    ApplyRule(*rule, Control, Container);
}

// A control tagged with the disabling tag stays native, and so do the
// items of such a radio or check group.
bool TControlRecognition::SkinDisabledControl(TControl& Control) {
  const int disableTag = FSkinData.GetDisableTag();
  if (Control.GetTag() != disableTag) return false;
  const std::string lower = LowerAscii(Control.ClassName());
  if (Contains(lower, "radiogroup") || Contains(lower, "checkgroup"))
    for (TControl* child : ChildrenOf(Control)) child->SetTag(disableTag);
  return true;
}

// The application's OnSkinControl handler may supply the painter itself.
bool TControlRecognition::AskHandler(TControl& Control, TComponent& Container,
                                     const std::string& UpperClassName) {
  if (!FSkinData.OnSkinControl.Assigned()) return false;
  TComponent* result = nullptr;
  FSkinData.OnSkinControl(&FFormSkinner, &FSkinData, dynamic_cast<TControl*>(&Container),
                          &Control, UpperClassName, result);
  auto* painter = dynamic_cast<TSkinControl*>(result);
  if (!painter) return false;
  if (!FFormSkinner.RegisterPainter(painter))
    painter->AttachToControl(&FFormSkinner, &FSkinData, painter->PaintBackground(),
                             &FFormSkinner.CanvasWork());
  if (Control.InheritsFrom("TCustomPanel"))
    if (auto* panel = dynamic_cast<TWinControl*>(&Control)) SkinChildControls(*panel);
  return true;
}

TSkinControl* TControlRecognition::Attach(TPainterKind Kind, TControl& Control, bool Background,
                                          int Variant, HWND Window) {
  if (HasPainter(Control)) return nullptr;
  TPainterTarget target;
  target.FormSkinner = &FFormSkinner;
  target.SkinData = &FSkinData;
  target.Canvas = &FFormSkinner.CanvasWork();
  target.Control = &Control;
  target.PaintBackground = Background;
  target.Variant = Variant;
  target.Window = Window;
  return MakePainter(Kind, target);
}

// ---------------------------------------------------------------------------
// The class table

void TControlRecognition::ApplyRule(const TControlRule& Rule, TControl& Control,
                                    TComponent& Container) {
  switch (Rule.Action) {
    case TRuleAction::raPainter:
      Attach(Rule.Kind, Control, Rule.Background, Rule.Variant);
      break;
    case TRuleAction::raTabControl:
      SkinTabControl(Control);
      break;
    case TRuleAction::raToolButtonMenu:
      if (auto* button = dynamic_cast<TToolButton*>(&Control))
        if (TMenuItem* item = button->GetMenuItem()) MakeSubItemsOwnerDrawn(*item);
      break;
    case TRuleAction::raCoolBarBands:
      ColourCoolBarBands(Control);
      break;
    case TRuleAction::raChildrenOnly:
      if (auto* parent = dynamic_cast<TWinControl*>(&Control)) SkinChildControls(*parent);
      break;
    case TRuleAction::raRadioGroup:
      for (TControl* child : ChildrenOf(Control)) Attach(pkRadioButton, *child, false);
      Attach(Rule.Kind, Control, Rule.Background);
      break;
    case TRuleAction::raPainterThenEachChild:
      Attach(Rule.Kind, Control, Rule.Background);
      for (TControl* child : ChildrenOf(Control)) SkinControl(*child, Container);
      break;
    case TRuleAction::raChildrenThenPainter:
      if (auto* parent = dynamic_cast<TWinControl*>(&Control)) SkinChildControls(*parent);
      Attach(Rule.Kind, Control, Rule.Background);
      break;
    case TRuleAction::raToolBar:
      SkinToolBar(Control);
      break;
    case TRuleAction::raDateTimePicker:
      SkinDateTimePicker(Control);
      break;
    case TRuleAction::raNumButtonsEdit:
      SkinNumButtonsEdit(Control);
      break;
    case TRuleAction::raOwnedComponents:
      SkinOwnedComponents(Control);
      break;
    case TRuleAction::raPainterThenOwned:
      Attach(Rule.Kind, Control, Rule.Background);
      SkinOwnedComponents(Control);
      break;
  }
}

// A page control with tabs, a page control with buttons, or any other tab
// control (the tab painter's mode 2).
void TControlRecognition::SkinTabControl(TControl& Control) {
  if (!Control.InheritsFrom("TPageControl")) {
    Attach(pkTab, Control, false, 2);
    return;
  }
  const std::string style = GetEnumPropByName(&Control, "Style");
  Attach(style.empty() || style == "tsTabs" ? pkTab : pkTabBtn, Control, false);
}

void TControlRecognition::SkinToolBar(TControl& Control) {
  SetPropByName(&Control, "Flat", "True");
  auto* toolBar = dynamic_cast<TToolBar*>(&Control);
  if (toolBar) FFormSkinner.HookToolbar(*toolBar);
  Attach(pkBox, Control, false);
  if (toolBar && toolBar->GetMenu())
    if (TMenuItem* items = toolBar->GetMenu()->Items())
      for (int i = 0; i < items->Count(); ++i) MakeOwnerDrawn(*items->Items(i));
}

void TControlRecognition::SkinDateTimePicker(TControl& Control) {
  const bool editLike = GetEnumPropByName(&Control, "DateMode") == "dmUpDown" ||
                        GetEnumPropByName(&Control, "Kind") == "dtkTime";
  Attach(editLike ? pkEdit : pkDateTime, Control, false);
}

// An edit of a library that has drop-down buttons of its own: with one
// button a combo box, with none an edit attached through its window.
void TControlRecognition::SkinNumButtonsEdit(TControl& Control) {
  const std::int64_t buttons = GetOrdPropByName(&Control, "NumButtons");
  if (buttons == 1 && Option(xcCombo)) {
    Attach(pkComBox, Control, false);
  } else if (buttons == 0 && Option(xcEdit)) {
    if (auto* windowed = dynamic_cast<TWinControl*>(&Control))
      if (HWND window = windowed->WindowHandle()) Attach(pkEdit, Control, false, 0, window);
  }
}

void TControlRecognition::ColourCoolBarBands(TControl& Control) {
  auto* bands = dynamic_cast<TCollection*>(GetObjectPropByName(&Control, "Bands"));
  if (!bands) return;
  const std::string face = std::to_string(FSkinData.Skin().Colours.ButtonFace);
  for (int i = 0; i < bands->Count(); ++i) SetPropByName(bands->Item(i), "Color", face);
}

// ---------------------------------------------------------------------------
// The Skin3rd list

bool TControlRecognition::SkinThirdPartyControl(const std::string& UpperClassName,
                                                TControl& Control) {
  const std::optional<std::string> kind = FindSkin3rdKind(FSkinData.GetSkin3rd(), UpperClassName);
  if (!kind) return false;
  const TThirdPartyKind* row = FindThirdPartyKind(*kind);
  if (row && Option(row->Option) && (!row->NeedsTabs || FSkinData.Skin().Tabs))
    ApplyThirdPartyKind(*row, LowerAscii(UpperClassName) + "=", UpperClassName, Control);
  return true;
}

void TControlRecognition::ApplyThirdPartyKind(const TThirdPartyKind& Kind, const std::string& Key,
                                              const std::string& UpperClassName,
                                              TControl& Control) {
  auto* windowed = dynamic_cast<TWinControl*>(&Control);
  switch (Kind.Action) {
    case TThirdPartyAction::taNothing:
      break;
    case TThirdPartyAction::taPainter:
      Attach(Kind.Kind, Control, Kind.Background, Kind.Variant);
      break;
    case TThirdPartyAction::taEditWithBorder:
      if (windowed && windowed->WindowHandle() && HasBorder(windowed->WindowHandle()))
        Attach(Kind.Kind, Control, Kind.Background);
      break;
    case TThirdPartyAction::taTransparentPainter:
      SetPropByName(&Control, "Transparent", "True");
      Attach(Kind.Kind, Control, Kind.Background);
      break;
    case TThirdPartyAction::taBitButton: {
      const bool dropDown =
          Key == "tcxbutton=" && GetEnumPropByName(&Control, "Kind") == "cxbkDropDownButton";
      Attach(dropDown ? pkMenuButton : pkBitButton, Control, Kind.Background);
      break;
    }
    case TThirdPartyAction::taPainterThenChildren:
      Attach(Kind.Kind, Control, Kind.Background);
      if (windowed) SkinChildControls(*windowed);
      break;
    case TThirdPartyAction::taEmbeddedScrollBars:
      SkinEmbeddedScrollBars(Control);
      break;
    case TThirdPartyAction::taContainer:
      if (windowed) SkinChildControls(*windowed);
      break;
    case TThirdPartyAction::taRadioGroup:
      if (Option(xcRadioButton))
        SkinGroupChildren(Control, pkRadioButton, Contains(UpperClassName, "TRZ") ? 2 : 0);
      Attach(pkGroupBox, Control, true);
      break;
    case TThirdPartyAction::taCheckGroup:
      if (Option(xcRadioButton))
        SkinGroupChildren(Control, pkCheckBox, Contains(UpperClassName, "TRZ") ? 1 : 0);
      if (Option(xcGroupBox)) Attach(pkGroupBox, Control, true);
      break;
  }
}

// The items of a radio or check group: the skin's image strip of ImageKind
// for a library that draws its items as images, else ChildKind's painter.
void TControlRecognition::SkinGroupChildren(TControl& Group, TPainterKind ChildKind,
                                            int ImageKind) {
  for (TControl* child : ChildrenOf(Group)) {
    if (ImageKind)
      Attach(pkObjImage, *child, true, ImageKind);
    else
      Attach(ChildKind, *child, false);
  }
}

void TControlRecognition::SkinEmbeddedScrollBars(TControl& Control) {
  for (TControl* child : ChildrenOf(Control)) {
    if (child->InheritsFrom("TScrollBar"))
      Attach(pkScControl, *child, false);
    else if (HasOwnScrollBars(*child))
      Attach(pkScrollbar, *child, false);
  }
}

// ---------------------------------------------------------------------------
// Menus

void TControlRecognition::MakeContainerMenusOwnerDrawn(TComponent& Container) {
  for (int i = 0; i < Container.ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TPopupMenu*>(Container.Component(i)))
      if (TMenuItem* items = menu->Items()) MakeSubItemsOwnerDrawn(*items);
}

void TControlRecognition::MakeSubItemsOwnerDrawn(TMenuItem& Item) {
  for (int i = 0; i < Item.Count(); ++i) MakeOwnerDrawn(*Item.Items(i));
}

// The owned-drawn menu items are not built yet: menus keep their native
// look.
void TControlRecognition::MakeOwnerDrawn(TMenuItem&) {}

// ---------------------------------------------------------------------------
// Entries

void SkinFormControls(TWinSkinForm& FormSkinner) {
  if (!FormSkinner.SkinData() || !FormSkinner.Form()) return;
  TControlRecognition(FormSkinner).SkinFormControls(*FormSkinner.Form());
}

void SkinChildWindows(TWinSkinForm& FormSkinner) {
  if (!FormSkinner.SkinData()) return;
  TWindowRecognition(FormSkinner).SkinChildWindows(FormSkinner.Handle());
}

void SkinChildWindow(TWinSkinForm& FormSkinner, HWND Child) {
  if (!FormSkinner.SkinData()) return;
  TWindowRecognition(FormSkinner).SkinChildWindow(Child);
}
