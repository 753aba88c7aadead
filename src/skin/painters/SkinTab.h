#pragma once
// The painter of tab controls and page controls with tabs: the pane from
// the skin's "Tab.Pane" element, the row of tabs from "Tabs" (normal,
// selected, disabled, mouse over, selected with the focus) over the row's
// base line (the element's second image), each tab with its image and
// text. Tabs along the bottom, left or right edge get the element turned
// to face the pane. A tab control with the button style gets push buttons
// from the "Buttons" element instead, without a pane.
//
// Selecting tabs with the mouse and the keys, and scrolling a row that
// does not fit, stay the system control's work. When the control shows its
// scroll arrows (an up-down child window), they get a painter of their own.
//
// Without a usable "Tabs" element the control keeps its native look.

#include <string>
#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include <vector>

#include "skin/painters/OffscreenBitmap.h"
#include "skin/painters/SkinControl.h"
#include "toolkit/portable/PixelBuffer.h"

class TDataSkinBorder;
class TDataSkinObject;

class TSkinTab : public TSkinControl {
  FW_CLASS(TSkinTab)
 public:
  // Mode of the painter of a plain tab control (one without pages).
  static constexpr int kTabControlMode = 2;
  // Frames of the "Tabs" element.
  enum TTabFrame {
    tfNormal = 1,
    tfSelected = 2,
    tfDisabled = 3,
    tfMouseOver = 4,
    tfSelectedFocused = 5
  };
  enum TTabSide { tsTop, tsBottom, tsLeft, tsRight };

  explicit TSkinTab(TComponent* AOwner) : TSkinControl(AOwner) {}

  // The tab under the mouse, -1 for none.
  int HotIndex() const { return FHotIndex; }
  // The control's scroll arrows, once found; null while it shows none.
  HWND ScrollArrows() const { return FScrollArrows; }
  // The frame the tab of Index shows now.
  int TabFrame(int Index) const;
  // The pane's rectangle as last painted (client coordinates).
  const RECT& PaneRect() const { return FPaneRect; }

 protected:
  // Gives the window back to its own drawing.
  void Detach() override;
  struct TTabItem {
    int Index = 0;
    RECT Rect{};
    bool Selected = false;
    std::wstring Text;
    int Image = -1;
  };

  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;

  // The skin's tab element, or null when it is missing or has no image.
  const TDataSkinBorder* TabsElement() const;
  // Whether the tabs are drawn as push buttons.
  virtual bool ButtonLook() const;
  // What the painter needs before it can draw; false keeps the native look.
  virtual bool CanDraw() const;
  TTabSide Side() const;
  bool FlatButtons() const;
  std::vector<TTabItem> ReadTabs() const;
  // The pane: the client area less the rows of tabs.
  RECT PaneOf(const RECT& Client, const std::vector<TTabItem>& Tabs) const;

  void DrawPane(HDC DC, const RECT& Pane) const;
  // The element's second image at its own depth along the pane's edge.
  void DrawBaseLine(HDC DC, const RECT& Client, const RECT& Pane, TTabSide Side) const;
  void DrawTab(HDC DC, const TTabItem& Tab, HFONT Font, HIMAGELIST Images);
  void DrawButtonTab(HDC DC, const TTabItem& Tab, HFONT Font, HIMAGELIST Images);
  void DrawTabText(HDC DC, const TTabItem& Tab, const RECT& Area, HFONT Font, HIMAGELIST Images,
                   TTabSide Side);
  // Frame of Image (a strip of the element's frames) drawn nine-slice to
  // fit Area, turned to face the pane for tabs along Side.
  void DrawTurned(HDC DC, const RECT& Area, const TDataSkinObject& Element,
                  const TPixelBuffer& Image, int Frame, TTabSide Side,
                  const TRect& Margins) const;
  bool ShowsFocus() const;
  void FindScrollArrows();

  int FHotIndex = -1;
  int FSelected = -1;
  HWND FScrollArrows = nullptr;
  RECT FPaneRect{};
  TOffscreenBitmap FBitmap;

 private:
  void OnMouseMove(const TMessage& Message);
  void SetHotIndex(int Value);
};
