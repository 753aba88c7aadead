#include "skin/frame/ToolbarSkin.h"

#include <algorithm>

#include "skin/engine/SkinData.h"
#include "skin/frame/FormSkinner.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/ToolButton.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TToolbarSkin::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TToolbarSkin>("TToolbarSkin", &TComponent::StaticClass()).Info();
  return info;
}

TToolbarSkin::TToolbarSkin(TWinSkinForm& Skinner) : TComponent(nullptr), FSkinner(Skinner) {}

// Only the handlers set here are taken back.
TToolbarSkin::~TToolbarSkin() {
  const TTBCustomDrawEvent background(this, &TToolbarSkin::DrawToolbarBackground);
  const TTBCustomDrawBtnEvent button(this, &TToolbarSkin::DrawToolbarButton);
  for (TToolBar* bar : FBars) {
    if (bar->OnCustomDraw == background) bar->OnCustomDraw = TTBCustomDrawEvent();
    if (bar->OnCustomDrawButton == button) bar->OnCustomDrawButton = TTBCustomDrawBtnEvent();
    bar->RemoveFreeNotification(this);
    bar->Invalidate();
  }
}

void TToolbarSkin::Hook(TToolBar& ToolBar) {
  bool hooked = false;
  if (!ToolBar.OnCustomDraw.Assigned()) {
    ToolBar.OnCustomDraw = TTBCustomDrawEvent(this, &TToolbarSkin::DrawToolbarBackground);
    hooked = true;
  }
  if (!ToolBar.OnCustomDrawButton.Assigned()) {
    ToolBar.OnCustomDrawButton = TTBCustomDrawBtnEvent(this, &TToolbarSkin::DrawToolbarButton);
    hooked = true;
  }
  if (!hooked || std::find(FBars.begin(), FBars.end(), &ToolBar) != FBars.end()) return;
  FBars.push_back(&ToolBar);
  ToolBar.FreeNotification(this);
  ToolBar.Invalidate();
}

void TToolbarSkin::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove)
    FBars.erase(std::remove(FBars.begin(), FBars.end(), AComponent), FBars.end());
}

void TToolbarSkin::DrawToolbarBackground(TToolBar* ToolBar, const RECT& Rect, bool&) {
  TSkinData* data = FSkinner.SkinData();
  if (!data || !ToolBar || data->GetOptions().Contains(xoToolbarBK)) return;
  const TDataSkinObject* element = data->Skin().Toolbar.get();
  HDC dc = ToolBar->Canvas().Handle();
  if (!element || element->Image.Empty() || !dc) return;
  const TPixelBuffer& image = element->Image;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = image.Width();
  info.bmiHeader.biHeight = -image.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const int previous = SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top, 0, 0,
                image.Width(), image.Height(), image.Data(), &info, DIB_RGB_COLORS, SRCCOPY);
  SetStretchBltMode(dc, previous);
}

void TToolbarSkin::DrawToolbarButton(TToolBar* ToolBar, TToolButton* Button, TCustomDrawState State,
                                     bool&) {
  TSkinData* data = FSkinner.SkinData();
  if (!data || !ToolBar || !Button || FSkinner.SkinState() != TWinSkinForm::ssActive ||
      data->GetOptions().Contains(xoToolbarButton))
    return;
  const TDataSkinButton* element = data->Skin().Buttons.get();
  HDC dc = ToolBar->Canvas().Handle();
  if (!element || element->Image.Empty() || !dc) return;
  int frame = 0;
  TColor colour = 0;
  bool given = false;
  if (State.Contains(cdsSelected)) {
    frame = 2;
    colour = element->PressedColour2;
    given = element->PressedColour2Given;
  } else if (State.Contains(cdsFocused) || State.Contains(cdsHot)) {
    frame = 4;
    colour = element->MouseOverColour2;
    given = element->MouseOverColour2Given;
  } else if (State.Contains(cdsDefault) && !State.Contains(cdsGrayed) &&
             !State.Contains(cdsDisabled)) {
    frame = 1;
    colour = element->NormalColour2;
    given = element->NormalColour2Given;
  }
  if (!frame) return;
  if (given) ToolBar->Canvas().Font().SetColor(colour);
  const RECT b = Button->BoundsRect();
  DrawSliced(dc, {b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, element->Image, false, false,
             element->Trans != 0, 5, frame, element->Margins);
}
