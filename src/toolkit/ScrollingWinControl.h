#pragma once
// A container that scrolls its children: with AutoScroll its scroll bars
// appear when the children reach beyond the client area, and scrolling
// moves the children. The range is brought up to date when the container
// is sized, shown, or asked to (UpdateScrollRange, after children moved).

#include "toolkit/WinControl.h"

class TScrollingWinControl : public TWinControl {
  FW_CLASS(TScrollingWinControl)
 public:
  explicit TScrollingWinControl(TComponent* AOwner);

  bool GetAutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value);
  // How far the children are scrolled, in pixels.
  POINT ScrollPosition() const { return FPosition; }
  // Scrolls to a position (clamped to the range).
  void ScrollTo(int X, int Y);
  // Scrolls so that Control lies inside the client area.
  void ScrollInView(TControl* Control);
  void UpdateScrollRange();

  void Loaded() override;

 protected:
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;

 private:
  void Scroll(int Bar, int Code);
  SIZE ContentExtent() const;
  void ApplyScrollInfo(int Bar, int Range, int Page);

  bool FAutoScroll = true;
  POINT FPosition{0, 0};
  SIZE FRange{0, 0};
  bool FUpdatingRange = false;
};
