#include "toolkit/Screen.h"

#include <algorithm>

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TScreen::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TScreen>("TScreen", &TComponent::StaticClass())
          .Prop("Cursor", &TScreen::GetCursor, &TScreen::SetCursor, crDefault)
          .Info();
  return info;
}

TScreen* Screen = new TScreen(nullptr);

void TScreen::SetCursor(int Value) {
  if (Value == FCursor) return;
  FCursor = Value;
  if (Value != crDefault) {
    ::SetCursor(CursorHandle(Value));
  } else {
    // Let the window under the mouse choose its cursor again.
    POINT p;
    GetCursorPos(&p);
    SetCursorPos(p.x, p.y);
  }
}

void TScreen::AddForm(TCustomForm* Form) {
  FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
  if (FActiveForm == Form) FActiveForm = nullptr;
}

TScreenCursorScope::TScreenCursorScope(int Cursor) : Saved(Screen->GetCursor()) {
  Screen->SetCursor(Cursor);
}

TScreenCursorScope::~TScreenCursorScope() {
  Screen->SetCursor(Saved);
}
