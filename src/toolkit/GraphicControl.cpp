#include "toolkit/GraphicControl.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGraphicControl>("TGraphicControl", &TControl::StaticClass()).Info();
  return info;
}

void TGraphicControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_PAINT && Message.WParam) {
    FCanvas.SetHandle(reinterpret_cast<HDC>(Message.WParam));
    FCanvas.Font().Assign(*GetFont());
    FCanvas.Brush().SetColor(GetColor());
    Paint();
    FCanvas.SetHandle(nullptr);
    return;
  }
  TControl::WndProc(Message);
}
