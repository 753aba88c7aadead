#pragma once
// Owner-drawn items of list boxes and combo boxes: the state of an item as
// the system reports it, the events that draw and measure items, and the
// drawing of one item on the control's canvas (the event's, or the plain
// text when no event is assigned).

#include <windows.h>

#include <string>

#include "toolkit/ControlTypes.h"

class TCanvas;
class TFont;
class TWinControl;

FW_ENUM(TOwnerDrawStateFlag, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault,
        odComboBoxEdit)
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

using TDrawItemEvent = TEvent<TWinControl*, int, const RECT&, TOwnerDrawState>;
using TMeasureItemEvent = TEvent<TWinControl*, int, int&>;

TOwnerDrawState OwnerDrawStateOf(UINT ItemState);

// Draws one item of a reflected WM_DRAWITEM: Canvas is bound to the item's
// DC with the control's font and the colours of the item's state, then the
// event draws (or the item's text is drawn), then the focus rectangle.
void DrawOwnerDrawnItem(TWinControl& Control, TCanvas& Canvas, const DRAWITEMSTRUCT& Item,
                        const std::string& Text, int Color, const TDrawItemEvent& OnDrawItem);
