#pragma once
// The two overlays of one window with scroll bars of its own, as the
// painters of such windows share them: made and freed together, placed,
// hidden, enabled and repainted together, and the corner square between
// them, which neither covers, filled with the skin's face colour.

#include <windows.h>

class TSkinControl;
class TWinControl;
class TWScrollbar;

class TScrollBarPair {
 public:
  TScrollBarPair() = default;
  ~TScrollBarPair();
  TScrollBarPair(const TScrollBarPair&) = delete;
  TScrollBarPair& operator=(const TScrollBarPair&) = delete;

  // The overlays are owned by Painter. Popup overlays float over a window
  // that is not a child (a drop-down list).
  void Create(TSkinControl* Painter, TWinControl* Control);
  void Create(TSkinControl* Painter, HWND Window, bool Popup = false);
  void Free();
  bool Exists() const { return FHorz || FVert; }

  void Place();
  void Hide();
  void Refresh();
  void SetEnabled(bool Enabled);
  // A WM_HSCROLL or WM_VSCROLL the window received: its request names the
  // part the native bar operates.
  void Scrolled(UINT Msg, WPARAM WParam);
  // After the window painted: shown overlays repaint, a bar that has just
  // appeared (its style bit is set) gets its overlay, and the corner is
  // filled into DC, a device context of the whole window.
  void FollowPaint(HWND Window, HDC DC, COLORREF Face);

  TWScrollbar* Horz() const { return FHorz; }
  TWScrollbar* Vert() const { return FVert; }

 private:
  TWScrollbar* FHorz = nullptr;
  TWScrollbar* FVert = nullptr;
};
