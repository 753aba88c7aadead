#pragma once
// Colour identifiers of form descriptions: the basic colours and the system
// colours (negative values whose low byte is the system colour index).

#include <optional>
#include <string>
#include <string_view>

#include "toolkit/portable/Types.h"

constexpr TColor clScrollBar = static_cast<TColor>(0x80000000);
constexpr TColor clWindow = static_cast<TColor>(0x80000005);
constexpr TColor clMenu = static_cast<TColor>(0x80000004);
constexpr TColor clMenuText = static_cast<TColor>(0x80000007);
constexpr TColor clWindowText = static_cast<TColor>(0x80000008);
constexpr TColor clHighlight = static_cast<TColor>(0x8000000D);
constexpr TColor clHighlightText = static_cast<TColor>(0x8000000E);
constexpr TColor clBtnFace = static_cast<TColor>(0x8000000F);
constexpr TColor clBtnShadow = static_cast<TColor>(0x80000010);
constexpr TColor clGrayText = static_cast<TColor>(0x80000011);
constexpr TColor clBtnText = static_cast<TColor>(0x80000012);
constexpr TColor clBtnHighlight = static_cast<TColor>(0x80000014);
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

std::optional<TColor> ColorFromIdent(std::string_view Ident);
// The identifier of a named colour, or empty.
std::string ColorToIdent(TColor Color);
