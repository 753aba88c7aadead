#include "toolkit/Bevel.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TBevel::StaticClass() {
  static const TClassInfo info = TClassBuilder<TBevel>("TBevel", &TGraphicControl::StaticClass())
                                     .Creatable()
                                     .Prop("Shape", &TBevel::GetShape, &TBevel::SetShape, bsBox)
                                     .Prop("Style", &TBevel::GetStyle, &TBevel::SetStyle, bsLowered)
                                     .Info();
  return info;
}
FW_REGISTER_CLASS(TBevel);

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
  FShape = Value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
  FStyle = Value;
  Invalidate();
}

void TBevel::Paint() {
  RECT r = ClientRect();
  HDC dc = Canvas().Handle();
  const bool lowered = FStyle == bsLowered;
  switch (FShape) {
    case bsBox:
      DrawEdge(dc, &r, lowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
      break;
    case bsFrame:
      // Etched: a groove when lowered, a ridge when raised.
      DrawEdge(dc, &r, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_RECT);
      break;
    case bsTopLine:
      DrawEdge(dc, &r, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_TOP);
      break;
    case bsBottomLine: {
      RECT line{r.left, r.bottom - 2, r.right, r.bottom};
      DrawEdge(dc, &line, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_TOP);
      break;
    }
    case bsLeftLine:
      DrawEdge(dc, &r, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_LEFT);
      break;
    case bsRightLine: {
      RECT line{r.right - 2, r.top, r.right, r.bottom};
      DrawEdge(dc, &line, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_LEFT);
      break;
    }
    case bsSpacer:
      break;
  }
}
