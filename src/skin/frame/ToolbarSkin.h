#pragma once
// A form skinner's tool-bar handlers: the skin's tool-bar image as the
// bar's background and the push-button image under each button, lent to
// tool bars whose own handlers are unassigned and taken back (only those
// set here) when the skinner frees its painters.

#include <vector>

#include "toolkit/ToolBar.h"
#include "toolkit/portable/Component.h"

class TWinSkinForm;

class TToolbarSkin : public TComponent {
  FW_CLASS(TToolbarSkin)
 public:
  explicit TToolbarSkin(TWinSkinForm& Skinner);
  ~TToolbarSkin() override;

  void Hook(TToolBar& ToolBar);
  // Nothing without a tool-bar image or with xoToolbarBK.
  void DrawToolbarBackground(TToolBar* ToolBar, const RECT& Rect, bool& DefaultDraw);
  // Nothing without a push-button image, before activation or with
  // xoToolbarButton; the default drawing adds glyph and caption.
  void DrawToolbarButton(TToolBar* ToolBar, TToolButton* Button, TCustomDrawState State,
                         bool& DefaultDraw);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TWinSkinForm& FSkinner;
  std::vector<TToolBar*> FBars;
};
