#include "toolkit/CustomFrame.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TCustomFrame::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomFrame>("TCustomFrame", &TScrollingWinControl::StaticClass()).Info();
  return info;
}

const TClassInfo& TFrame::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFrame>("TFrame", &TCustomFrame::StaticClass()).Creatable().Info();
  return info;
}
FW_REGISTER_CLASS(TFrame);

TCustomFrame::TCustomFrame(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  SetBounds(0, 0, 320, 240);
}

void TCustomFrame::CreateParams(TCreateParams& Params) {
  TScrollingWinControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
}
