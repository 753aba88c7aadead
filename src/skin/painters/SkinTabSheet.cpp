#include "skin/painters/SkinTabSheet.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinTabSheet::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinTabSheet>("TSkinTabSheet", &TSkinControl::StaticClass()).Info();
  return info;
}

bool TSkinTabSheet::BeforeMessage(TMessage& Message) {
  if (!TSkinControl::BeforeMessage(Message)) return false;
  if (Message.Msg != WM_ERASEBKGND || !Message.WParam || !FHandle) return true;
  RECT client{};
  GetClientRect(FHandle, &client);
  FillFace(reinterpret_cast<HDC>(Message.WParam), client);
  Message.Result = 1;
  return false;
}

void TSkinTabSheet::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
      // The page draws its children itself; its background is all there is.
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}
