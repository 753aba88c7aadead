#include "skin/painters/SkinScrollbar.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "skin/engine/EngineMessages.h"
#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/frame/FormSkinner.h"
#include "skin/imaging/SkinSystem.h"
#include "skin/painters/WScrollbar.h"
#include "toolkit/ControlAtom.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinScrollbar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinScrollbar>("TSkinScrollbar", &TSkinControl::StaticClass()).Info();
  return info;
}

namespace {

std::string Lower(std::string Text) {
  std::transform(Text.begin(), Text.end(), Text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return Text;
}

// Whether the control shows a border the skin's frame replaces: its
// published BorderStyle when it has one, else the edges of its window.
bool HasBorder(const TWinControl* Control, HWND Window) {
  const std::string style = Lower(GetEnumPropByName(Control, "BorderStyle"));
  if (!style.empty()) return style != "bsnone";
  const LONG_PTR exStyle = GetWindowLongPtrA(Window, GWL_EXSTYLE);
  return (GetWindowLongPtrA(Window, GWL_STYLE) & WS_BORDER) ||
         (exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE));
}

COLORREF ColourRef(TColor Colour) {
  return static_cast<COLORREF>(ResolveColor(Colour));
}

}  // namespace

TSkinScrollbar::TSkinScrollbar(TComponent* AOwner) : TSkinControl(AOwner) {}

TSkinScrollbar::~TSkinScrollbar() {
  // Detached here, while this class's own undo still runs.
  DetachNow();
}

void TSkinScrollbar::AttachScrollBars(TWinControl* Control, TSkinData* Data,
                                      TWinSkinForm* FormSkinner, TCanvas* Canvas) {
  if (Attached() || !Control || Control != Owner()) return;
  const HWND window = Control->Handle();
  FDrawBorder = FMode != kSingleMode && Lower(Control->ClassName()) != "timagescrollbox" &&
                HasBorder(Control, window);
  AttachToControl(FormSkinner, Data, false, Canvas);
  if (!Attached()) return;
  ApplyFixedColor();
  FBars.Create(this, Control);
  FollowEnabled();
  if (!Control->GetVisible()) FBars.Hide();
  // The new border shows at once.
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_DRAWFRAME);
}

void TSkinScrollbar::PlaceBars() {
  FBars.Place();
}

void TSkinScrollbar::FollowEnabled() {
  FBars.SetEnabled(Control() && Control()->GetEnabled());
}

void TSkinScrollbar::ApplyFixedColor() {
  TControl* control = Control();
  if (!control || !SkinData() || GetOrdPropByName(control, "FixedColor") == -1) return;
  if (!FFixedColorChanged) FSavedFixedColor = static_cast<int>(GetOrdPropByName(control, "FixedColor"));
  FFixedColorChanged = SetPropByName(control, "FixedColor",
                                     std::to_string(SkinData()->Skin().Colours.ButtonFace)) ||
                       FFixedColorChanged;
}

void TSkinScrollbar::SkinChanged() {
  ApplyFixedColor();
  PlaceBars();
  TSkinControl::SkinChanged();
}

void TSkinScrollbar::Detach() {
  if (FFixedColorChanged && Control()) {
    SetPropByName(Control(), "FixedColor", std::to_string(FSavedFixedColor));
    FFixedColorChanged = false;
  }
  TSkinControl::Detach();
  if (LifeState() != 6) {
    FBars.Free();
    // The native border and bars draw again.
    if (IsWindow(Handle()))
      RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    return;
  }
  // The control's window is gone: nothing of the overlays may stay behind
  // where it was.
  FBars.Hide();
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinScrollbar::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCDESTROY: {
      const bool passedOn = TSkinControl::BeforeMessage(Message);
      // The control may make a new window (a style change): the form
      // skinner then gives it a fresh painter.
      AskForReplacement(reinterpret_cast<WPARAM>(Handle()));
      return passedOn;
    }
    case WM_NCPAINT:
      if (!FDrawBorder) break;
      CallPrevious(Message);
      if (HDC dc = GetWindowDC(Handle())) {
        DrawFrame(dc);
        ReleaseDC(Handle(), dc);
      }
      return false;
    case SM_PAINTFRAMEDC:
      if (Message.LParam != kEngineMessageTag) break;
      if (Message.WParam) DrawFrame(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = kEngineMessageTag;
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(Message);
}

void TSkinScrollbar::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      PlaceBars();
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      FBars.Scrolled(Message.Msg, Message.WParam);
      break;
    case WM_MOUSEWHEEL:
      FBars.Refresh();
      break;
    case CM_VISIBLECHANGED:
      if (Message.WParam)
        PlaceBars();
      else
        FBars.Hide();
      break;
    case CM_ENABLEDCHANGED:
      FollowEnabled();
      TSkinControl::AfterMessage(Message);
      break;
    case CM_RECREATEWND:
      AskForReplacement(Message.WParam);
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

TSkinScrollbar* TSkinScrollbar::NewOfSameFamily(TComponent* AOwner) const {
  return new TSkinScrollbar(AOwner);
}

bool TSkinScrollbar::ReplaceFor(TWinSkinForm& FormSkinner, HWND Child) {
  // Child is the control's new window or the one it had.
  TWinControl* control = FindControl(Child);
  TSkinScrollbar* old = nullptr;
  for (TSkinControl* painter : FormSkinner.Painters())
    if ((control && painter->Control() == control) || painter->Handle() == Child)
      if ((old = dynamic_cast<TSkinScrollbar*>(painter))) break;
  if (!old) return false;
  control = dynamic_cast<TWinControl*>(old->Control());
  // A control without a window now gets none from here.
  if (!control || !control->WindowHandle()) return false;
  TSkinData* data = old->SkinData();
  TCanvas* canvas = old->FCanvas;
  const int mode = old->FMode;
  TSkinScrollbar* fresh = old->NewOfSameFamily(control);
  delete old;
  fresh->SetMode(mode);
  fresh->AttachScrollBars(control, data ? data : FormSkinner.SkinData(), &FormSkinner, canvas);
  return true;
}

// A new window needs a new painter: the form skinner makes one.
void TSkinScrollbar::AskForReplacement(WPARAM Window) {
  if (!FormSkinner() || !Control()) return;
  PostMessageA(FormSkinner()->Handle(), SM_REPLACESCROLLPAINTER, Window, 0);
}

// ---------------------------------------------------------------------------
// Painting

void TSkinScrollbar::Paint(HDC DC, const RECT&) {
  if (SkinData()) FBars.FollowPaint(Handle(), DC, ColourRef(SkinData()->Skin().Colours.ButtonFace));
}

void TSkinScrollbar::DrawFrame(HDC DC) const {
  if (!SkinData()) return;
  RECT window;
  if (!GetWindowRect(Handle(), &window)) return;
  RECT r{0, 0, window.right - window.left, window.bottom - window.top};
  TBrushHandle shadow(CreateSolidBrush(ColourRef(SkinData()->Skin().Colours.ButtonShadow)));
  TBrushHandle face(CreateSolidBrush(ColourRef(SkinData()->Skin().Colours.ButtonFace)));
  FrameRect(DC, &r, shadow.Get());
  InflateRect(&r, -1, -1);
  FrameRect(DC, &r, face.Get());
}
