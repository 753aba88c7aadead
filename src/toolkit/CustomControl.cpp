#include "toolkit/CustomControl.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TCustomControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomControl>("TCustomControl", &TWinControl::StaticClass()).Info();
  return info;
}

void TCustomControl::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
}

void TCustomControl::PaintWindow(HDC DC) {
  FCanvas.SetHandle(DC);
  FCanvas.Font().Assign(*GetFont());
  FCanvas.Brush().SetColor(GetColor());
  Paint();
  FCanvas.SetHandle(nullptr);
}
