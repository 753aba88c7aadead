#pragma once
// A container drawn by the toolkit: an outer and an inner bevel with a
// border between them, the panel's colour, and its caption inside. With
// ParentBackground the parent's image shows where the panel would fill.

#include "toolkit/CustomControl.h"
#include "toolkit/Form.h"

FW_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)
// A control's border: bsNone or bsSingle (the form's values).
using TBorderStyle = TFormBorderStyle;

class TCustomPanel : public TCustomControl {
  FW_CLASS(TCustomPanel)
 public:
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TBevelCut GetBevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut GetBevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  int GetBevelWidth() const { return FBevelWidth; }
  // At least 1.
  void SetBevelWidth(int Value);
  int GetBorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  // Anything but bsNone counts as bsSingle (a sunken window edge).
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool GetParentBackground() const { return FParentBackground; }
  void SetParentBackground(bool Value);
  bool GetFullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool Value) { FFullRepaint = Value; }

  // The client area less the bevels and the border.
  RECT ContentRect() const;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Paint() override;

 private:
  void PaintParentBackground(HDC DC);
  void DrawBevel(HDC DC, RECT& R, TBevelCut Cut) const;

  TAlignment FAlignment = taCenter;
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
  bool FParentBackground = false;
  bool FFullRepaint = true;
};

class TPanel : public TCustomPanel {
  FW_CLASS(TPanel)
 public:
  using TCustomPanel::TCustomPanel;
};
