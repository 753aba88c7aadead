#pragma once
// The check-box painter: the box is a frame of the skin's check image (a
// strip in the push-button element), stretched into a glyph box at the left
// edge, or at the right edge for left-text boxes, with the caption beside
// it. The native check box keeps its mouse and keyboard handling; the
// painter redraws after everything that makes the system draw the box.
//
// Frames of a 4-frame strip: 1 unchecked, 2 checked, 3 unchecked disabled,
// 4 checked disabled and indeterminate. A 12-frame strip holds unchecked,
// checked and indeterminate in four states each; the 4-frame numbers are
// mapped onto it.
//
// Without a check image (Mode 0) the painter draws nothing and the control
// keeps its native look.

#include "skin/painters/OffscreenBitmap.h"
#include "skin/painters/SkinControl.h"
#include "toolkit/portable/PixelBuffer.h"

class TDataSkinButton;

class TSkinCheckBox : public TSkinControl {
  FW_CLASS(TSkinCheckBox)
 public:
  explicit TSkinCheckBox(TComponent* AOwner) : TSkinControl(AOwner) {}

  void AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                       TCanvas* Canvas) override;
  void AttachToWindow(HWND Window, TSkinData* Data, TWinSkinForm* FormSkinner,
                      TCanvas* Canvas) override;

  // 0 until the box is checked through BM_SETCHECK, then its wParam + 1.
  int StoredCheck() const { return FStoredCheck; }
  bool ParentBackground() const { return FParentBackground; }

 protected:
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;

  // The glyph strip and its frame count; null when the skin has none.
  virtual const TPixelBuffer* GlyphStrip(int& FrameCount) const;
  // The frame (1-based, of FrameCount) for the control's state now.
  virtual int StateFrame(int FrameCount) const;
  // The glyph's place in Rect: Width x Height, centred vertically, at the
  // left edge or (LeftText) at the right edge.
  virtual RECT GlyphBox(const RECT& Rect, int Width, int Height, bool LeftText) const;

  const TDataSkinButton* ButtonElement() const;
  bool WindowDisabled() const;
  // The published enumeration or boolean Name, lower-cased; empty when the
  // control has no such property.
  std::string PublishedText(const char* Name) const;
  bool HasPublished(const char* Name) const;

 private:
  void ReadMode();
  void EraseBackground(TMessage& Message);
  // Background of the face: the parent's image, or the button face.
  void DrawBackground(HDC DC, const RECT& Rect);
  void DrawCaptionText(HDC DC, const RECT& TextArea, UINT Flags);

  int FStoredCheck = 0;
  bool FParentBackground = false;
  TOffscreenBitmap FFace;
};
