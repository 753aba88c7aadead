#include "skin/painters/ComboxScrollBar.h"

#include "skin/painters/WScrollbar.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TComboxScrollBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComboxScrollBar>("TComboxScrollBar", &TSkinScrollbarH::StaticClass()).Info();
  return info;
}

void TComboxScrollBar::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
      if (Bars().Horz()) Bars().Horz()->HotFromCursor();
      if (Bars().Vert()) Bars().Vert()->HotFromCursor();
      break;
    case WM_SHOWWINDOW:
      if (!Message.WParam) Bars().Hide();
      break;
    default:
      break;
  }
  TSkinScrollbarH::AfterMessage(Message);
}
