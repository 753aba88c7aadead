#include "toolkit/OwnerDrawItem.h"

#include "toolkit/Canvas.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ColorNames.h"

TOwnerDrawState OwnerDrawStateOf(UINT ItemState) {
  TOwnerDrawState state;
  if (ItemState & ODS_SELECTED) state.Include(odSelected);
  if (ItemState & ODS_GRAYED) state.Include(odGrayed);
  if (ItemState & ODS_DISABLED) state.Include(odDisabled);
  if (ItemState & ODS_CHECKED) state.Include(odChecked);
  if (ItemState & ODS_FOCUS) state.Include(odFocused);
  if (ItemState & ODS_DEFAULT) state.Include(odDefault);
  if (ItemState & ODS_COMBOBOXEDIT) state.Include(odComboBoxEdit);
  return state;
}

void DrawOwnerDrawnItem(TWinControl& Control, TCanvas& Canvas, const DRAWITEMSTRUCT& Item,
                        const std::string& Text, int Color, const TDrawItemEvent& OnDrawItem) {
  const TOwnerDrawState state = OwnerDrawStateOf(Item.itemState);
  const int index = static_cast<int>(Item.itemID);
  Canvas.SetHandle(Item.hDC);
  try {
    Canvas.Font().Assign(*Control.GetFont());
    if (state.Contains(odSelected)) {
      Canvas.Brush().SetColor(clHighlight);
      Canvas.Font().SetColor(clHighlightText);
    } else {
      Canvas.Brush().SetColor(Color);
    }
    if (state.Contains(odDisabled)) Canvas.Font().SetColor(clGrayText);
    // An empty list still gets its focus rectangle drawn (item -1).
    if (index >= 0) {
      if (OnDrawItem) {
        OnDrawItem(&Control, index, Item.rcItem, state);
      } else {
        const RECT& r = Item.rcItem;
        const int top = r.top + (r.bottom - r.top - Canvas.TextHeight("Ag")) / 2;
        Canvas.TextRect(r, r.left + 2, top, Text);
      }
    }
    if (state.Contains(odFocused)) Canvas.DrawFocusRect(Item.rcItem);
  } catch (...) {
    Canvas.SetHandle(nullptr);
    throw;
  }
  Canvas.SetHandle(nullptr);
}
