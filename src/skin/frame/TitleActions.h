#pragma once
// What the mouse does in a skinned window's title bar: hovering and
// pressing the title buttons, the actions the buttons fire, double and
// right clicks on the caption and the icon. The form skinner hands its
// non-client mouse messages here.

#include <windows.h>

#include "toolkit/Messages.h"

class TWinSkinForm;
class TWinSysButton;

class TTitleActions {
 public:
  explicit TTitleActions(TWinSkinForm& Owner) : F(Owner) {}

  // Each returns true when the message was answered here, false when it
  // goes on to the native procedure.
  bool NcMouseMove(TMessage& M);
  bool NcLButtonDown(TMessage& M);
  bool NcLButtonUp(TMessage& M);
  bool NcLButtonDblClk(TMessage& M);
  bool NcRButtonDown(TMessage& M);

  void FireTitleButton(const TWinSysButton& Button, POINT Screen);
  void ToggleMaximize();
  void ToggleMinimize();
  void RestoreWindow();

 private:
  TWinSysButton* ButtonAt(const TMessage& M) const;
  void Close();
  // A system command for the active child of an MDI parent.
  void CommandActiveChild(WPARAM Command);
  void PostSysCommand(WPARAM Command);

  TWinSkinForm& F;
};
