// Every colour of the skin, in one place. The window body is light, the title
// bar dark; the accent is the green of the program icon.
#pragma once

#include "Pixmap.h"

namespace Palette {

// Window body and text.
constexpr TColor Face = 0xF3F4F6;
constexpr TColor FaceDeep = 0xE9EBEE;
constexpr TColor Field = 0xFFFFFF;
constexpr TColor Text = 0x1E2126;
constexpr TColor TextMuted = 0x59616B;
constexpr TColor TextDisabled = 0xA0A6AF;
constexpr TColor Line = 0xC6CBD2;
constexpr TColor LineStrong = 0x9AA1AA;
constexpr TColor LineSoft = 0xDADDE2;
constexpr TColor DarkShadow = 0x606670;

// Accent (selection, focus, checked state, progress).
constexpr TColor Accent = 0x2B7A64;
constexpr TColor AccentHover = 0x33907A;
constexpr TColor AccentPressed = 0x22614F;
constexpr TColor AccentDeep = 0x1F5A4A;
constexpr TColor AccentTint = 0xE6F2EE;
constexpr TColor AccentTintStrong = 0xD2E8E0;
constexpr TColor AccentMuted = 0xB7CFC8;

// Title bar, active and inactive: a gentle top-to-bottom gradient under a
// one-pixel highlight, inside a one-pixel outline that runs round the window.
constexpr TColor TitleTop = 0x30353D;
constexpr TColor TitleBottom = 0x262A31;
constexpr TColor TitleHighlight = 0x41474F;
constexpr TColor Outline = 0x14161A;
constexpr TColor TitleText = 0xF1F3F6;
constexpr TColor TitleGlyph = 0xC9CED5;
constexpr TColor TitleGlyphHot = 0xFFFFFF;
constexpr TColor TitleHover = 0x3E444D;
constexpr TColor TitlePressed = 0x4B525C;
constexpr TColor CloseHover = 0xC4433B;
constexpr TColor ClosePressed = 0xA33730;

constexpr TColor InactiveTitleTop = 0x454950;
constexpr TColor InactiveTitleBottom = 0x3E4248;
constexpr TColor InactiveTitleHighlight = 0x50555C;
constexpr TColor InactiveOutline = 0x393C42;
constexpr TColor InactiveTitleText = 0xA9AEB6;
constexpr TColor InactiveGlyph = 0x8A9098;

// Scroll bars.
constexpr TColor Shaft = 0xECEEF1;
constexpr TColor ShaftPressed = 0xE0E3E7;
constexpr TColor ShaftDisabled = 0xF3F4F6;
constexpr TColor Thumb = 0xBDC2C9;
constexpr TColor ThumbHover = 0x9CA3AC;
constexpr TColor ThumbPressed = 0x7E8690;
constexpr TColor ArrowGlyph = 0x79818B;
constexpr TColor ArrowHoverBack = 0xDCE0E5;
constexpr TColor ArrowPressedBack = 0xC9CED5;

// Menus.
constexpr TColor MenuBack = 0xFFFFFF;
constexpr TColor MenuBar = 0xF3F4F6;

// Media-player glyphs: grey is their transparent colour.
constexpr TColor PlayerKey = 0x808080;
constexpr TColor PlayerRecord = 0xC4433B;

}  // namespace Palette
