#include "skin/painters/ControlTextStyle.h"

#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "toolkit/Control.h"
#include "toolkit/Font.h"
#include "toolkit/GdiHandle.h"

HFONT ControlFont(const TControl* Control, HWND Window) {
  HFONT font = nullptr;
  if (auto* published = dynamic_cast<TFont*>(GetObjectPropByName(Control, "Font")))
    font = published->Handle();
  else if (Window)
    font = reinterpret_cast<HFONT>(SendMessageA(Window, WM_GETFONT, 0, 0));
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

COLORREF ControlTextColour(const TControl* Control, const TSkinData* Data, bool Enabled) {
  if (!Enabled)
    return Control || !Data ? GetSysColor(COLOR_BTNSHADOW)
                            : ColorToRGB(Data->Skin().Colours.ButtonShadow);
  if (auto* font = dynamic_cast<TFont*>(GetObjectPropByName(Control, "Font")))
    if (font->GetColor() >= 0) return ColorToRGB(font->GetColor());
  return Data ? ColorToRGB(Data->Skin().Colours.ButtonText) : GetSysColor(COLOR_BTNTEXT);
}
