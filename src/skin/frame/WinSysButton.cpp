#include "skin/frame/WinSysButton.h"

#include <algorithm>

#include "skin/frame/FormSkinner.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TWinSysButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWinSysButton>("TWinSysButton", &TNCObject::StaticClass()).Info();
  return info;
}

TWinSysButton::TWinSysButton(TWinSkinForm& Owner, const TDataSkinSysButton& Element)
    : TNCObject(Owner), FElement(Element), FFrameCount(std::max(Element.FrameCount, 1)) {
  if (IsIconButton()) FFrameCount = 1;
}

int TWinSysButton::TitleFrame(bool WindowActive) const {
  if (FFrameCount < 4 || (WindowActive && Enabled)) return frNormal;
  return frDisabled;
}

int TWinSysButton::StateFrame() const {
  int frame = State;
  if (!Enabled) frame = FFrameCount > 3 ? frDisabled : frNormal;
  if (InMenuBar() && frame == frHot) frame = frDisabled;
  // A strip without the frame asked for shows its first.
  return frame > FFrameCount ? frNormal : frame;
}

void TWinSysButton::Draw(HDC DC, int Frame, int DX, int DY) const {
  const RECT at{Rect.left - DX, Rect.top - DY, Rect.right - DX, Rect.bottom - DY};
  if (IsIconButton()) {
    DrawIcon(DC, at);
    return;
  }
  DrawFrameStretched(DC, {at.left, at.top, at.right, at.bottom}, Image(), true, FFrameCount,
                     std::min(Frame, FFrameCount));
}

void TWinSysButton::DrawIcon(HDC DC, const RECT& At) const {
  const TWinSkinForm& form = Owner();
  const int size = GetSystemMetrics(SM_CXSMICON);
  if (HICON icon = form.IconHandle()) {
    DrawIconEx(DC, At.left, At.top, icon, size, GetSystemMetrics(SM_CYSMICON), 0, nullptr,
               DI_NORMAL);
    return;
  }
  if (!Image().Empty())
    DrawFrameStretched(DC, {At.left, At.top, At.right, At.bottom}, Image(), true, 1, 1);
}

void TWinSysButton::Paint() {
  TWinSkinForm& form = Owner();
  const int w = Rect.right - Rect.left, h = Rect.bottom - Rect.top;
  if (!Visible || w <= 0 || h <= 0 || Image().Empty()) return;
  HDC dc = GetWindowDC(form.Handle());
  if (!dc) return;
  // What the title bar shows behind the button, so that a frame with more
  // transparent pixels than the last leaves nothing of it behind.
  const TPixelBuffer& title = form.TitleBackground();
  if (!InMenuBar() && !title.Empty()) {
    TPixelBuffer back(w, h);
    back.CopyFrom(title, {Rect.left, Rect.top, Rect.right, Rect.bottom}, 0, 0);
    if (!IsIconButton())
      ::DrawFrameStretched(back, back.Bounds(), Image(), true, FFrameCount, StateFrame());
    DrawPixelBuffer(dc, Rect.left, Rect.top, back);
    if (IsIconButton()) DrawIcon(dc, Rect);
  } else {
    Draw(dc, StateFrame(), 0, 0);
  }
  ReleaseDC(form.Handle(), dc);
}
