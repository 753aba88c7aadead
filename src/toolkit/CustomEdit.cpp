#include "toolkit/CustomEdit.h"

#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

const TClassInfo& TCustomEdit::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomEdit>("TCustomEdit", &TWinControl::StaticClass()).Info();
  return info;
}

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TEdit> b("TEdit", &TCustomEdit::StaticClass());
    b.Creatable();
    return PublishEditProperties(b).Info();
  }();
  return info;
}
FW_REGISTER_CLASS(TEdit);

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
  SetParentColor(false);
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = "EDIT";
  Params.Style |= ES_AUTOHSCROLL | (UseRightToLeftAlignment() ? ES_RIGHT : ES_LEFT);
  if (FReadOnly) Params.Style |= ES_READONLY;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(WindowHandle(), EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

void TCustomEdit::SetMaxLength(int Value) {
  FMaxLength = Value < 0 ? 0 : Value;
  if (HandleAllocated()) SendMessageA(WindowHandle(), EM_LIMITTEXT, FMaxLength, 0);
}

void TCustomEdit::SetReadOnly(bool Value) {
  FReadOnly = Value;
  if (HandleAllocated()) SendMessageA(WindowHandle(), EM_SETREADONLY, Value, 0);
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) SendMessageA(WindowHandle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::WndProc(TMessage& Message) {
  if (Message.Msg == CN_COMMAND && HIWORD(Message.WParam) == EN_CHANGE) {
    Change();
    return;
  }
  TWinControl::WndProc(Message);
}
