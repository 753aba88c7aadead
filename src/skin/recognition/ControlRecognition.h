#pragma once
// Recognition of a skinned window's child controls: the rules that choose a
// painter for each toolkit control of a form (the class table of
// ControlRules, the skin data's Skin3rd list and its OnSkinControl event)
// and attach it. Bare windows (children of system dialogs, size grips) are
// recognised by WindowRecognition.
//
// Recognition is idempotent: a control that answers SM_ISSKINNED with 1,
// or whose painter is in the form skinner's list, is left alone.

#include <windows.h>

#include <string>

#include "skin/recognition/PainterKind.h"

class TComponent;
class TControl;
class TMenuItem;
class TSkinControl;
class TSkinData;
class TWinControl;
class TWinSkinForm;
struct TControlRule;
struct TThirdPartyKind;

class TControlRecognition {
 public:
  explicit TControlRecognition(TWinSkinForm& FormSkinner);

  // The owned components, then the tab-order list of the form.
  void SkinFormControls(TWinControl& Form);
  // Every owned component of a form or frame that is a control.
  void SkinOwnedComponents(TComponent& Container);
  // Every child control of Parent, in child order.
  void SkinChildControls(TWinControl& Parent);
  // Chooses and attaches a painter for one control.
  void SkinControl(TControl& Control, TComponent& Container);
  // The Skin3rd lookup; true when the class has an entry (whether or not a
  // painter was attached).
  bool SkinThirdPartyControl(const std::string& UpperClassName, TControl& Control);

  // Whether the control already has a painter.
  bool HasPainter(TControl& Control) const;

 private:
  bool SkinDisabledControl(TControl& Control);
  bool AskHandler(TControl& Control, TComponent& Container, const std::string& UpperClassName);
  void ApplyRule(const TControlRule& Rule, TControl& Control, TComponent& Container);
  void ApplyThirdPartyKind(const TThirdPartyKind& Kind, const std::string& Key,
                           const std::string& UpperClassName, TControl& Control);
  void SkinTabControl(TControl& Control);
  void SkinToolBar(TControl& Control);
  void SkinDateTimePicker(TControl& Control);
  void SkinNumButtonsEdit(TControl& Control);
  void ColourCoolBarBands(TControl& Control);
  void SkinGroupChildren(TControl& Group, TPainterKind ChildKind, int ImageKind);
  void SkinEmbeddedScrollBars(TControl& Control);
  // Menus drawn by the engine's item painter.
  void MakeOwnerDrawn(TMenuItem& Item);
  void MakeSubItemsOwnerDrawn(TMenuItem& Item);
  void MakeContainerMenusOwnerDrawn(TComponent& Container);

  // Attaches a painter of Kind to the control unless it has one: in front
  // of its WindowProc, or through Window's procedure when Window is given.
  TSkinControl* Attach(TPainterKind Kind, TControl& Control, bool Background, int Variant = 0,
                       HWND Window = nullptr);
  bool Option(int Type) const;

  TWinSkinForm& FFormSkinner;
  TSkinData& FSkinData;
};

// Entries for the form skinner and the creation hook.
// The children of the skinner's toolkit form.
void SkinFormControls(TWinSkinForm& FormSkinner);
// The children of a window without a toolkit form.
void SkinChildWindows(TWinSkinForm& FormSkinner);
// One child window (a size grip created after activation).
void SkinChildWindow(TWinSkinForm& FormSkinner, HWND Child);
