#include "toolkit/CustomGroupBox.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TCustomGroupBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomGroupBox>("TCustomGroupBox", &TWinControl::StaticClass()).Info();
  return info;
}

const TClassInfo& TGroupBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGroupBox>("TGroupBox", &TCustomGroupBox::StaticClass())
          .Creatable()
          .Prop("Caption", &TControl::GetText, &TControl::SetText, std::string())
          .Prop("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, true)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TGroupBox);

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 185, 105);
  SetParentColor(true);
}

void TCustomGroupBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = "BUTTON";
  Params.Style |= BS_GROUPBOX | WS_CLIPCHILDREN;
}

RECT TCustomGroupBox::ContentRect() {
  RECT r = ClientRect();
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, GetFont()->Handle());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  r.top += tm.tmHeight;
  InflateRect(&r, -4, -2);
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

void TCustomGroupBox::WndProc(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    RECT r;
    GetClientRect(WindowHandle(), &r);
    FillRect(reinterpret_cast<HDC>(Message.WParam), &r, Brush().Handle());
    Message.Result = 1;
    return;
  }
  TWinControl::WndProc(Message);
}
