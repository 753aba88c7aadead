#pragma once
// The content of one item of a header, tab row or status bar: an optional
// image of an image list followed by the item's text, both centred
// vertically in the item and placed across it by the alignment. The text is
// drawn in the DC's font and text colour with a transparent background.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "toolkit/ControlTypes.h"

class TControl;
class TSkinData;

// Where DrawItemContent puts the image and the text of an item.
struct TItemContentLayout {
  RECT Image{};  // empty when no image is drawn
  RECT Text{};   // the text's box, before it is clipped to the item
};

// Measures Text in DC and lays the content out in Rect. An image takes part
// only when ImageIndex is not -1, Images is given and its images are
// narrower than Rect. DT_SINGLELINE in TextFlags keeps the text on one line.
TItemContentLayout LayoutItemContent(HDC DC, const RECT& Rect, TAlignment Alignment,
                                     const std::wstring& Text, int ImageIndex, HIMAGELIST Images,
                                     UINT TextFlags = 0);

// Draws the item's content into Rect; TextFlags are added to the flags of
// the text drawing (right-to-left reading, one line). Empty text draws
// nothing.
void DrawItemContent(HDC DC, const RECT& Rect, TAlignment Alignment, const std::wstring& Text,
                     int ImageIndex, HIMAGELIST Images, UINT TextFlags = 0);

// The font items are drawn in: the control's published "Font", else the
// window's own (WM_GETFONT), else the system's GUI font.
HFONT ItemFont(const TControl* Control, HWND Window);
// The colour of an item's text: a colour given to the control's font, else
// the skin's button-text colour; the button-shadow colour when disabled.
COLORREF ItemTextColour(const TControl* Control, const TSkinData* Data, bool Enabled);
