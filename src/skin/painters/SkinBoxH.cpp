#include "skin/painters/SkinBoxH.h"

#include "skin/engine/SkinData.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinBoxH::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinBoxH>("TSkinBoxH", &TSkinControl::StaticClass()).Info();
  return info;
}

HBRUSH TSkinBoxH::FaceBrush() {
  const int face = FSkinData ? FSkinData->Skin().Colours.ButtonFace : COLOR_BTNFACE | 0x80000000;
  const COLORREF colour = SkinColorRef(face);
  if (!FFaceBrush.Get() || colour != FFaceColour) {
    FFaceBrush.Reset(CreateSolidBrush(colour));
    FFaceColour = colour;
  }
  return FFaceBrush.Get();
}

void TSkinBoxH::Detach() {
  TSkinControl::Detach();
  if (FHandle && IsWindow(FHandle))
    RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool TSkinBoxH::BeforeMessage(TMessage& Message) {
  if (!TSkinControl::BeforeMessage(Message)) return false;
  switch (Message.Msg) {
    case WM_ERASEBKGND: {
      if (!Message.WParam || !FHandle) return true;
      RECT client{};
      GetClientRect(FHandle, &client);
      FillRect(reinterpret_cast<HDC>(Message.WParam), &client, FaceBrush());
      Message.Result = 1;
      return false;
    }
    case WM_CTLCOLORDLG:
      Message.Result = reinterpret_cast<LRESULT>(FaceBrush());
      SetBkColor(reinterpret_cast<HDC>(Message.WParam), FFaceColour);
      return false;
    default:
      return true;
  }
}

void TSkinBoxH::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      RecolourChild(Message);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
      // The frame skinner paints the caption; the background is unchanged.
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TSkinBoxH::RecolourChild(TMessage& Message) {
  const auto answered = reinterpret_cast<HBRUSH>(Message.Result);
  if (answered && answered != GetSysColorBrush(COLOR_BTNFACE) &&
      answered != GetSysColorBrush(COLOR_WINDOW))
    return;
  HBRUSH brush = FaceBrush();
  SetBkColor(reinterpret_cast<HDC>(Message.WParam), FFaceColour);
  Message.Result = reinterpret_cast<LRESULT>(brush);
}
