#include "toolkit/portable/ColorNames.h"

#include "toolkit/portable/TextUtil.h"

namespace {

struct TColorName {
  TColor Value;
  const char* Name;
};

constexpr TColorName kColors[] = {
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {static_cast<TColor>(0x80000000), "clScrollBar"},
    {static_cast<TColor>(0x80000001), "clBackground"},
    {static_cast<TColor>(0x80000002), "clActiveCaption"},
    {static_cast<TColor>(0x80000003), "clInactiveCaption"},
    {static_cast<TColor>(0x80000004), "clMenu"},
    {static_cast<TColor>(0x80000005), "clWindow"},
    {static_cast<TColor>(0x80000006), "clWindowFrame"},
    {static_cast<TColor>(0x80000007), "clMenuText"},
    {static_cast<TColor>(0x80000008), "clWindowText"},
    {static_cast<TColor>(0x80000009), "clCaptionText"},
    {static_cast<TColor>(0x8000000A), "clActiveBorder"},
    {static_cast<TColor>(0x8000000B), "clInactiveBorder"},
    {static_cast<TColor>(0x8000000C), "clAppWorkSpace"},
    {static_cast<TColor>(0x8000000D), "clHighlight"},
    {static_cast<TColor>(0x8000000E), "clHighlightText"},
    {static_cast<TColor>(0x8000000F), "clBtnFace"},
    {static_cast<TColor>(0x80000010), "clBtnShadow"},
    {static_cast<TColor>(0x80000011), "clGrayText"},
    {static_cast<TColor>(0x80000012), "clBtnText"},
    {static_cast<TColor>(0x80000013), "clInactiveCaptionText"},
    {static_cast<TColor>(0x80000014), "clBtnHighlight"},
    {static_cast<TColor>(0x80000015), "cl3DDkShadow"},
    {static_cast<TColor>(0x80000016), "cl3DLight"},
    {static_cast<TColor>(0x80000017), "clInfoText"},
    {static_cast<TColor>(0x80000018), "clInfoBk"},
    {static_cast<TColor>(0x8000001A), "clHotLight"},
    {static_cast<TColor>(0x8000001B), "clGradientActiveCaption"},
    {static_cast<TColor>(0x8000001C), "clGradientInactiveCaption"},
    {static_cast<TColor>(0x8000001D), "clMenuHighlight"},
    {static_cast<TColor>(0x8000001E), "clMenuBar"},
};

}  // namespace

std::optional<TColor> ColorFromIdent(std::string_view Ident) {
  for (const auto& c : kColors)
    if (SameText(c.Name, Ident)) return c.Value;
  return std::nullopt;
}

std::string ColorToIdent(TColor Color) {
  for (const auto& c : kColors)
    if (c.Value == Color) return c.Name;
  return {};
}
