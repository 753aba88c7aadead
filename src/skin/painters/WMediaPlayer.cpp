#include "skin/painters/WMediaPlayer.h"

#include <windowsx.h>

#include <string>

#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/render/DeviceDrawing.h"
#include "skin/render/WinSkinSystem.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

const TClassInfo& TWMediaPlayer::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWMediaPlayer>("TWMediaPlayer", &TCustomControl::StaticClass()).Info();
  return info;
}

namespace {

// In the order of the player's button type.
constexpr const char* kButtonNames[TWMediaPlayer::kButtonCount] = {
    "btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack", "btRecord", "btEject"};
constexpr const char* kGlyphNames[TWMediaPlayer::kButtonCount] = {
    "MPPLAY", "MPPAUSE", "MPSTOP", "MPNEXT", "MPPREV", "MPSTEP", "MPBACK", "MPRECORD", "MPEJECT"};
constexpr const char* kPrefixes[3] = {"EN", "DI", "CL"};
// The glyphs' transparent colour.
constexpr TColor kGlyphKey = 0x808080;

std::array<bool, TWMediaPlayer::kButtonCount> Members(const std::string& SetText) {
  std::array<bool, TWMediaPlayer::kButtonCount> members{};
  for (int i = 0; i < TWMediaPlayer::kButtonCount; ++i)
    members[i] = SetText.find(kButtonNames[i]) != std::string::npos;
  return members;
}

}  // namespace

TWMediaPlayer::TWMediaPlayer(TComponent* AOwner) : TCustomControl(AOwner) {}

const TPixelBuffer& TWMediaPlayer::Glyph(int Button, const char* Prefix) {
  static const auto glyphs = [] {
    std::array<std::array<TPixelBuffer, 3>, kButtonCount> all;
    const TWinSkinSystem system;
    for (int b = 0; b < kButtonCount; ++b)
      for (int p = 0; p < 3; ++p)
        all[b][p] = system.BitmapResource(std::string(kPrefixes[p]) + "_" + kGlyphNames[b]);
    return all;
  }();
  static const TPixelBuffer none;
  if (Button < 0 || Button >= kButtonCount) return none;
  for (int p = 0; p < 3; ++p)
    if (std::string(kPrefixes[p]) == Prefix) return glyphs[Button][p];
  return none;
}

void TWMediaPlayer::Cover(TWinControl* Player, TSkinMP* Painter, TSkinData* Data, int Tag) {
  FPlayer = Player;
  FPainter = Painter;
  FSkinData = Data;
  SetTag(Tag);
  if (!Player) return;
  SetParent(Player->Parent());
  FollowPlayer();
}

void TWMediaPlayer::FollowPlayer() {
  if (!FPlayer) return;
  const RECT r = FPlayer->BoundsRect();
  SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  SetVisible(FPlayer->GetVisible());
  if (HandleAllocated())
    SetWindowPos(WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Invalidate();
}

TWMediaPlayer::TButtonSets TWMediaPlayer::ReadButtons() const {
  TButtonSets sets;
  sets.Visible = Members(GetSetPropByName(FPlayer, "VisibleButtons"));
  sets.Enabled = Members(GetSetPropByName(FPlayer, "EnabledButtons"));
  sets.Coloured = Members(GetSetPropByName(FPlayer, "ColoredButtons"));
  for (bool visible : sets.Visible) sets.VisibleCount += visible ? 1 : 0;
  return sets;
}

int TWMediaPlayer::ButtonAt(int X) const {
  const TButtonSets sets = ReadButtons();
  if (sets.VisibleCount == 0) return -1;
  const int width = GetWidth() / sets.VisibleCount;
  int left = 0;
  for (int b = 0; b < kButtonCount; ++b) {
    if (!sets.Visible[b]) continue;
    if (X >= left && X < left + width) return b;
    left += width;
  }
  return -1;
}

void TWMediaPlayer::DrawButton(HDC DC, int Button, const RECT& Slot,
                               const TButtonSets& Sets) const {
  const bool held = FPressedButton == Button;
  const bool enabled = Sets.Enabled[Button];
  if (const TDataSkinButton* element = FSkinData ? FSkinData->Skin().Buttons.get() : nullptr;
      element && !element->Image.Empty()) {
    const int frame = held ? 2 : !enabled ? 3 : 1;
    DrawSliced(DC, TRect{Slot.left, Slot.top, Slot.right, Slot.bottom}, element->Image, false,
               element->Tile != 0, element->Trans != 0, element->FrameCount, frame,
               element->Margins);
  }
  const TPixelBuffer& glyph =
      Glyph(Button, !enabled ? "DI" : Sets.Coloured[Button] ? "CL" : "EN");
  if (glyph.Empty()) return;
  const int shift = held ? 1 : 0;
  const int x = Slot.left + (Slot.right - Slot.left - glyph.Width()) / 2 + shift;
  const int y = Slot.top + (Slot.bottom - Slot.top - glyph.Height()) / 2 + shift;
  DrawTransparent(DC, TRect{x, y, x + glyph.Width(), y + glyph.Height()}, glyph, kGlyphKey);
}

void TWMediaPlayer::Paint() {
  HDC target = Canvas().Handle();
  if (!target) return;
  const int face = FSkinData ? FSkinData->Skin().Colours.ButtonFace : clBtnFace;
  TBrushHandle faceBrush(CreateSolidBrush(ColorToRGB(face)));
  const RECT whole = ClientRect();
  const TButtonSets sets = ReadButtons();
  if (sets.VisibleCount == 0) {
    FButtonWidth = 0;
    FillRect(target, &whole, faceBrush.Get());
    return;
  }
  FButtonWidth = GetWidth() / sets.VisibleCount;
  if (!FFace.SetSize(whole.right, whole.bottom)) return;
  HDC dc = FFace.DC();
  FillRect(dc, &whole, faceBrush.Get());
  int left = 0;
  for (int b = 0; b < kButtonCount; ++b) {
    if (!sets.Visible[b]) continue;
    DrawButton(dc, b, RECT{left, 0, left + FButtonWidth, whole.bottom}, sets);
    left += FButtonWidth;
  }
  FFace.CopyTo(target, 0, 0);
}

void TWMediaPlayer::Forward(const TMessage& Message) const {
  if (FPlayer && FPlayer->HandleAllocated())
    SendMessageA(FPlayer->WindowHandle(), Message.Msg, Message.WParam, Message.LParam);
}

void TWMediaPlayer::OnLeftButtonDown(TMessage& Message) {
  FButtonUnderMouse = ButtonAt(GET_X_LPARAM(Message.LParam));
  FPressedButton = FButtonUnderMouse;
  Forward(Message);
  // The player took the mouse; the release must come here to be judged.
  ReleaseCapture();
  Repaint();
}

void TWMediaPlayer::OnLeftButtonUp(TMessage& Message) {
  FButtonUnderMouse = ButtonAt(GET_X_LPARAM(Message.LParam));
  if (FPressedButton >= 0 && FButtonUnderMouse == FPressedButton) Forward(Message);
  FPressedButton = -1;
  Repaint();
}

void TWMediaPlayer::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnLeftButtonDown(Message);
      return;
    case WM_LBUTTONUP:
      OnLeftButtonUp(Message);
      return;
    default:
      TCustomControl::WndProc(Message);
  }
}
