#pragma once
// Enumerations of the graphics objects.

#include "toolkit/portable/EnumInfo.h"

FW_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
FW_ENUM(TBrushStyle, bsSolid, bsClear)
FW_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear)
FW_ENUM(TPixelFormat, pf24bit, pf32bit)
