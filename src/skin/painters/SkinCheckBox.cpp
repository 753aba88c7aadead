#include "skin/painters/SkinCheckBox.h"

#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/painters/ControlTextStyle.h"
#include "skin/render/DeviceDrawing.h"
#include "skin/render/SkinTextDrawing.h"
#include "toolkit/Messages.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinCheckBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinCheckBox>("TSkinCheckBox", &TSkinControl::StaticClass()).Info();
  return info;
}

namespace {

// The 4-frame numbers on a 12-frame strip (unchecked, checked and
// indeterminate, four states each).
int TwelveFrameOf(int Frame, bool Indeterminate, bool Disabled) {
  if (Indeterminate) return Disabled ? 12 : 9;
  switch (Frame) {
    case 2:
      return 5;
    case 3:
      return 4;
    case 4:
      return 8;
    default:
      return Frame;
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Attaching

void TSkinCheckBox::AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data,
                                    bool PaintBackground, TCanvas* Canvas) {
  TSkinControl::AttachToControl(FormSkinner, Data, PaintBackground, Canvas);
  if (!FAttached) return;
  FStoredCheck = 0;
  ReadMode();
  FParentBackground = (FControl && FControl->GetTag() == kParentBackgroundTag) ||
                      (Data && Data->GetOptions().Contains(xoTransparent));
}

void TSkinCheckBox::AttachToWindow(HWND Window, TSkinData* Data, TWinSkinForm* FormSkinner,
                                   TCanvas* Canvas) {
  TSkinControl::AttachToWindow(Window, Data, FormSkinner, Canvas);
  if (!FAttached) return;
  FStoredCheck = 0;
  ReadMode();
  FParentBackground = Data && Data->GetOptions().Contains(xoTransparent);
}

void TSkinCheckBox::ReadMode() {
  int frames = 0;
  FMode = GlyphStrip(frames) ? 1 : 0;
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinCheckBox::BeforeMessage(TMessage& Message) {
  const bool passOn = TSkinControl::BeforeMessage(Message);
  if (!passOn) return false;
  switch (Message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (FMode != 1) return true;
      PaintWholeWindow(Message);
      return false;
    case WM_ERASEBKGND:
      // The paint covers the whole window, so in Mode 1 the native erase
      // would only flicker.
      if (!FParentBackground && FMode != 1) return true;
      EraseBackground(Message);
      return false;
    default:
      return true;
  }
}

void TSkinCheckBox::EraseBackground(TMessage& Message) {
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  if (dc && FParentBackground) {
    RECT client{};
    GetClientRect(FHandle, &client);
    DrawBackground(dc, client);
  }
  Message.Result = 1;
}

void TSkinCheckBox::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case BM_SETCHECK:
      FStoredCheck = static_cast<int>(Message.WParam) + 1;
      Repaint();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_BUTTONPRESSED:
    case CM_CHECKEDCHANGED:
    // The system button draws these changes at once, outside WM_PAINT.
    case BM_SETSTATE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case WM_UPDATEUISTATE:
      Repaint();
      break;
    case WM_MOUSEMOVE:
      // While the button holds the mouse it draws itself pushed or not.
      if (GetCapture() == FHandle) Repaint();
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

// ---------------------------------------------------------------------------
// State

const TDataSkinButton* TSkinCheckBox::ButtonElement() const {
  return FSkinData ? FSkinData->Skin().Buttons.get() : nullptr;
}

const TPixelBuffer* TSkinCheckBox::GlyphStrip(int& FrameCount) const {
  const TDataSkinButton* element = ButtonElement();
  if (!element || element->CheckButton.Empty()) return nullptr;
  FrameCount = element->CheckButtonFrame;
  return &element->CheckButton;
}

bool TSkinCheckBox::WindowDisabled() const {
  return FHandle && (GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_DISABLED) != 0;
}

bool TSkinCheckBox::HasPublished(const char* Name) const {
  return FControl && FControl->ClassType().FindProperty(Name) != nullptr;
}

std::string TSkinCheckBox::PublishedText(const char* Name) const {
  return LowerAscii(GetEnumPropByName(FControl, Name));
}

int TSkinCheckBox::StateFrame(int FrameCount) const {
  const LRESULT buttonState = FHandle ? SendMessageA(FHandle, BM_GETSTATE, 0, 0) : 0;
  int frame = (buttonState & BST_CHECKED) ? 2 : 1;
  bool indeterminate = (buttonState & BST_INDETERMINATE) != 0;
  if (HasPublished("State")) {
    const std::string state = PublishedText("State");
    if (state.find("uncheck") != std::string::npos)
      frame = 1;
    else if (state.find("check") != std::string::npos)
      frame = 2;
    else if (state.find("gray") != std::string::npos)
      indeterminate = true;
  } else if (HasPublished("Checked")) {
    frame = PublishedText("Checked") == "true" ? 2 : 1;
  }
  if (HasPublished("DataField") && FStoredCheck != 0) {
    frame = FStoredCheck == 3 ? 4 : FStoredCheck;
    indeterminate = FStoredCheck == 3;
  }
  if (HasPublished("DataBinding")) {
    frame = 1;
    indeterminate = false;
  }
  const bool disabled = WindowDisabled();
  if (disabled) frame += 2;
  if (indeterminate) frame = 4;
  if (FrameCount == 12) frame = TwelveFrameOf(frame, indeterminate, disabled);
  return frame > FrameCount ? FrameCount : frame;
}

// ---------------------------------------------------------------------------
// Painting

RECT TSkinCheckBox::GlyphBox(const RECT& Rect, int Width, int Height, bool LeftText) const {
  RECT box;
  box.top = Rect.top + (Rect.bottom - Rect.top - Height) / 2;
  box.bottom = box.top + Height;
  box.left = LeftText ? Rect.right - Width : Rect.left;
  box.right = box.left + Width;
  return box;
}

void TSkinCheckBox::DrawBackground(HDC DC, const RECT& Rect) {
  if (FParentBackground && FControl)
    DrawParentBackground(FControl, DC);
  else if (FParentBackground)
    FillControlColor(DC, Rect);
  else
    FillFace(DC, Rect);
}

void TSkinCheckBox::Paint(HDC DC, const RECT& Rect) {
  int frames = 0;
  const TPixelBuffer* strip = GlyphStrip(frames);
  if (!strip) {
    FMode = 0;
    return;
  }
  FMode = 1;
  if (frames < 1) frames = 1;
  const int glyphWidth = strip->Width() / frames;
  const int glyphHeight = strip->Height();
  const int width = Rect.right - Rect.left, height = Rect.bottom - Rect.top;
  if (!FFace.SetSize(width, height)) return;
  HDC face = FFace.DC();
  const RECT whole{0, 0, width, height};
  FEnabled = !WindowDisabled();
  FFocused = FHandle && GetFocus() == FHandle;

  const bool leftText = FHandle && (GetWindowLongPtrA(FHandle, GWL_STYLE) & BS_LEFTTEXT) != 0;
  const RECT glyph = GlyphBox(whole, glyphWidth, glyphHeight, leftText);
  RECT textArea = whole;
  if (leftText)
    textArea.right = glyph.left - 2;
  else
    textArea.left = glyph.right + 2;
  UINT flags = leftText ? DT_RIGHT : 0;
  if (FControl)
    flags = TextFlags(flags);
  else if (FHandle && (GetWindowLongPtrA(FHandle, GWL_EXSTYLE) & WS_EX_RTLREADING))
    flags |= DT_RTLREADING;

  DrawBackground(face, whole);
  if (glyphWidth > 0 && glyphHeight > 0)
    DrawFrameStretched(face, TRect{glyph.left, glyph.top, glyph.right, glyph.bottom}, *strip, true,
                       frames, StateFrame(frames));
  DrawCaptionText(face, textArea, flags);
  FFace.CopyTo(DC, Rect.left, Rect.top);
}

void TSkinCheckBox::DrawCaptionText(HDC DC, const RECT& TextArea, UINT Flags) {
  FCaption = FControl ? GetTextPropByName(FControl, "Caption") : ReadWindowText(FHandle);
  if (TextArea.right <= TextArea.left) return;
  const COLORREF oldText = SetTextColor(DC, ControlTextColour(FControl, FSkinData, FEnabled));
  const COLORREF oldBack = GetBkColor(DC);
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  HGDIOBJ oldFont = SelectObject(DC, ControlFont(FControl, FHandle));

  RECT measured = TextArea;
  DrawSkinText(DC, FCaption, measured,
               DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK | Flags);
  const int textHeight = measured.bottom - measured.top;
  RECT box = TextArea;
  box.top = TextArea.top + (TextArea.bottom - TextArea.top - textHeight) / 2;
  box.bottom = box.top + textHeight;
  const bool noFocusRect = FSkinData && FSkinData->GetOptions().Contains(xoNoFocusRect);
  if (FFocused && !FCaption.empty() && !noFocusRect)
    FocusAroundText(DC, Flags | DT_EXPANDTABS | DT_WORDBREAK, box);
  DrawSkinText(DC, FCaption, box, DT_EXPANDTABS | DT_WORDBREAK | Flags);

  SelectObject(DC, oldFont);
  SetBkMode(DC, oldMode);
  SetBkColor(DC, oldBack);
  SetTextColor(DC, oldText);
}
