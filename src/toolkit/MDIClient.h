#pragma once
// The client window of an MDI parent form: the system's "MDIClient" window
// that holds the MDI children, lists them in the window menu and arranges
// them. It lives and dies with its frame window.

#include <windows.h>

class TMDIClient {
 public:
  // Command identifier of the first child in the window menu; above the
  // identifiers the toolkit gives menu items.
  static constexpr UINT kFirstChildCommand = 0xFF00;

  // Creates the client window in Frame, below its other children.
  TMDIClient(HWND Frame, HMENU WindowMenu);
  // Destroys the client window unless it went with its frame already.
  ~TMDIClient();
  TMDIClient(const TMDIClient&) = delete;
  TMDIClient& operator=(const TMDIClient&) = delete;

  HWND Handle() const { return FHandle; }
  // The active child window, or null.
  HWND ActiveChild() const;
  // Shows FrameMenu as the frame's menu bar (null: none) and lists the
  // children in WindowMenu (null: nowhere).
  void SetMenus(HMENU FrameMenu, HMENU WindowMenu);
  void Tile(bool Vertical) const;
  void Cascade() const;
  void ArrangeIcons() const;
  // Activates the next (or the previous) child.
  void ActivateNext(bool Forward) const;
  void Activate(HWND Child) const;
  void Maximize(HWND Child) const;
  void Restore(HWND Child) const;
  // Places the client in Area (frame client coordinates).
  void SetBounds(const RECT& Area) const;

 private:
  HWND FHandle = nullptr;
  HWND FFrame = nullptr;
};
