#pragma once
// The painter of status bars: the bar and its panels from the skin's
// "StatusBarEdges" element (a panel, a panel with a divider at its right
// end, the last panel's corner with the size grip), each panel's icon and
// text on it. Text after one tab is centred, after a second one right-aligned, as
// the system control does it. Owner-drawn panels are drawn by their owner
// over the skinned panel.
//
// Sizing the window with the grip stays the system control's work.
// Without a usable element the bar keeps its native look.

#include <string>
#include <vector>

#include "skin/painters/OffscreenBitmap.h"
#include "skin/painters/SkinControl.h"

class TDataSkinObject;

class TSkinStatusBar : public TSkinControl {
  FW_CLASS(TSkinStatusBar)
 public:
  // Frames of the "StatusBarEdges" element.
  enum TPanelFrame { pfPanel = 1, pfDivided = 2, pfGrip = 3 };

  explicit TSkinStatusBar(TComponent* AOwner) : TSkinControl(AOwner) {}

  // The area each panel was painted over at the last paint (client
  // coordinates), with the frame it got.
  struct TPanelArea {
    RECT Area{};
    int Frame = pfPanel;
  };
  const std::vector<TPanelArea>& PanelAreas() const { return FPanelAreas; }

 protected:
  // Gives the window back to its own drawing.
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;

 private:
  const TDataSkinObject* Element() const;
  bool HasGrip() const;
  // The panels' rectangles as the system control lays them out.
  std::vector<RECT> PartRects() const;
  void DrawGrip(HDC DC, const RECT& Panel, const TDataSkinObject& Element);
  void DrawPart(HDC DC, int Part, const RECT& TextArea, HFONT Font);
  void DrawOwnerPart(HDC DC, int Part, const RECT& Rect, LRESULT Data);

  std::vector<TPanelArea> FPanelAreas;
  TOffscreenBitmap FBitmap;
};
