#include "skin/painters/SkinBox.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinBox>("TSkinBox", &TSkinControl::StaticClass()).Info();
  return info;
}

bool TSkinBox::BeforeMessage(TMessage& Message) {
  if (!TSkinControl::BeforeMessage(Message)) return false;
  if (Message.Msg != WM_ERASEBKGND || !Message.WParam || !FHandle) return true;
  RECT client{};
  GetClientRect(FHandle, &client);
  FillControlColor(reinterpret_cast<HDC>(Message.WParam), client);
  Message.Result = 1;
  return false;
}
