#include "skin/painters/SkinSizer.h"

#include <algorithm>

#include "skin/engine/SkinData.h"
#include "skin/imaging/SkinSystem.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinSizer::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinSizer>("TSkinSizer", &TSkinControl::StaticClass()).Info();
  return info;
}

TSkinSizer::TSkinSizer(TComponent* AOwner) : TSkinControl(AOwner) {}

TSkinSizer::~TSkinSizer() {
  DetachNow();
}

bool TSkinSizer::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = Message.WParam ? reinterpret_cast<HDC>(Message.WParam) : BeginPaint(Handle(), &ps);
      RECT client;
      GetClientRect(Handle(), &client);
      Paint(dc, client);
      if (!Message.WParam) EndPaint(Handle(), &ps);
      Message.Result = 0;
      return false;
    }
    case WM_ERASEBKGND:
      Message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(Message);
  }
}

void TSkinSizer::Paint(HDC DC, const RECT& Rect) {
  if (!SkinData()) return;
  const TSkinColours& colours = SkinData()->Skin().Colours;
  TBrushHandle face(CreateSolidBrush(static_cast<COLORREF>(ResolveColor(colours.ButtonFace))));
  FillRect(DC, &Rect, face.Get());
  if (!(GetWindowLongPtrA(Handle(), GWL_STYLE) & SBS_SIZEGRIP)) return;
  TPenHandle light(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ResolveColor(colours.ButtonHilight))));
  TPenHandle shadow(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ResolveColor(colours.ButtonShadow))));
  const int size = std::min(Rect.right - Rect.left, Rect.bottom - Rect.top);
  const int right = Rect.right - 1;
  const int bottom = Rect.bottom - 1;
  HGDIOBJ old = SelectObject(DC, light.Get());
  // Three ridges from the bottom-left to the top-right of the corner, each
  // a light line with two shadow lines below it.
  for (int ridge = 0; ridge < 3; ++ridge) {
    const int from = size - 1 - ridge * 4;
    if (from < 3) break;
    for (int line = 0; line < 3; ++line) {
      SelectObject(DC, line == 0 ? light.Get() : shadow.Get());
      const int d = from - line;
      MoveToEx(DC, right - d, bottom, nullptr);
      LineTo(DC, right + 1, bottom - d - 1);
    }
  }
  SelectObject(DC, old);
}
