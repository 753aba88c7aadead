#include "toolkit/ToolWindow.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TToolWindow::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TToolWindow>("TToolWindow", &TWinControl::StaticClass())
          .Prop("EdgeBorders", &TToolWindow::GetEdgeBorders, &TToolWindow::SetEdgeBorders,
                TEdgeBorders())
          .Info();
  return info;
}

void TToolWindow::SetEdgeBorders(TEdgeBorders Value) {
  FEdgeBorders = Value;
  if (HandleAllocated())
    RedrawWindow(WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
}

void TToolWindow::PaintEdges() {
  if (FEdgeBorders.Empty() || !HandleAllocated()) return;
  UINT flags = 0;
  if (FEdgeBorders.Contains(ebLeft)) flags |= BF_LEFT;
  if (FEdgeBorders.Contains(ebTop)) flags |= BF_TOP;
  if (FEdgeBorders.Contains(ebRight)) flags |= BF_RIGHT;
  if (FEdgeBorders.Contains(ebBottom)) flags |= BF_BOTTOM;
  HDC dc = GetDC(WindowHandle());
  RECT r;
  GetClientRect(WindowHandle(), &r);
  DrawEdge(dc, &r, EDGE_ETCHED, flags);
  ReleaseDC(WindowHandle(), dc);
}

void TToolWindow::WndProc(TMessage& Message) {
  TWinControl::WndProc(Message);
  if (Message.Msg == WM_PAINT) PaintEdges();
}
