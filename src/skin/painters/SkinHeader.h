#pragma once
// The painter of header controls, the column header of list views among
// them. Every section is drawn from the skin's "Headerbar" element (the
// section under the mouse in its second frame) with its image and text on
// it; the strip right of the last section gets the first frame. Without a
// usable element the header keeps its native look.
//
// The header's own work (clicks, dragging the dividers, reordering) stays
// the system's: only its drawing is replaced.

#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include <vector>

#include "skin/painters/OffscreenBitmap.h"
#include "skin/painters/SkinControl.h"

class TDataSkinObject;

class TSkinHeader : public TSkinControl {
  FW_CLASS(TSkinHeader)
 public:
  explicit TSkinHeader(TComponent* AOwner) : TSkinControl(AOwner) {}

  void AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                       TCanvas* Canvas) override;
  void AttachToWindow(HWND Window, TSkinData* Data, TWinSkinForm* FormSkinner,
                      TCanvas* Canvas) override;

  // The section under the mouse, -1 for none.
  int HotIndex() const { return FHotIndex; }
  // Each section's rectangle as last painted, narrowed by 3 at either side.
  const std::vector<RECT>& SectionRects() const { return FSectionRects; }

 protected:
  // Gives the window back to its own drawing.
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;

 private:
  // The skin's header element, or null when it is missing or has no image.
  const TDataSkinObject* Element() const;
  void OnMouseMove(const TMessage& Message);
  void DrawSection(HDC Target, int Index, const RECT& Section, HIMAGELIST Images, HFONT Font,
                   COLORREF TextColour);

  int FHotIndex = -1;
  std::vector<RECT> FSectionRects;
  TOffscreenBitmap FBitmap;
  TOffscreenBitmap FSectionBitmap;
};
