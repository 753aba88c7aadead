#include "toolkit/HeaderControl.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TCustomHeaderControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomHeaderControl>("TCustomHeaderControl", &TWinControl::StaticClass())
          .Info();
  return info;
}

const TClassInfo& THeaderControl::StaticClass() {
  using T = TCustomHeaderControl;
  static const TClassInfo info =
      TClassBuilder<THeaderControl>("THeaderControl", &TCustomHeaderControl::StaticClass())
          .Creatable()
          .Prop("Align", &TControl::GetAlign, &TControl::SetAlign, alTop)
          .CollectionProp("Sections", &T::GetSections)
          .Prop("Style", &T::GetStyle, &T::SetStyle, hsButtons)
          .Prop("HotTrack", &T::GetHotTrack, &T::SetHotTrack, false)
          .Prop("DragReorder", &T::GetDragReorder, &T::SetDragReorder, false)
          .Prop("FullDrag", &T::GetFullDrag, &T::SetFullDrag, true)
          .PropNoDefault("Images", &T::GetImages, &T::SetImages)
          .EventProp("OnSectionClick", &T::OnSectionClick)
          .EventProp("OnSectionResize", &T::OnSectionResize)
          .EventProp("OnSectionTrack", &T::OnSectionTrack)
          .EventProp("OnDrawSection", &T::OnDrawSection)
          .Info();
  return info;
}
FW_REGISTER_CLASS(THeaderControl);

TCustomHeaderControl::TCustomHeaderControl(TComponent* AOwner)
    : TWinControl(AOwner), FSections(std::make_unique<THeaderSections>(this)) {
  SetBounds(0, 0, 200, 17);
  SetAlign(alTop);
}

TCustomHeaderControl::~TCustomHeaderControl() {
  DestroyHandle();
  FSections.reset();
}

void TCustomHeaderControl::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = WC_HEADERA;
  if (FStyle == hsButtons) Params.Style |= HDS_BUTTONS;
  if (FHotTrack) Params.Style |= HDS_HOTTRACK;
  if (FDragReorder) Params.Style |= HDS_DRAGDROP;
  if (FFullDrag) Params.Style |= HDS_FULLDRAG;
}

void TCustomHeaderControl::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyImages();
  UpdateSections();
}

THeaderSection* TCustomHeaderControl::SectionAt(int Index) const {
  if (!FSections || Index < 0 || Index >= FSections->Count()) return nullptr;
  return &FSections->Items(Index);
}

void TCustomHeaderControl::UpdateSections() {
  if (!HandleAllocated() || !FSections || FUpdating) return;
  FUpdating = true;
  HWND wnd = WindowHandle();
  while (Header_GetItemCount(wnd) > 0) Header_DeleteItem(wnd, 0);
  int index = 0;
  for (int i = 0; i < FSections->Count(); ++i) {
    THeaderSection& s = FSections->Items(i);
    if (!s.Alive()) continue;
    std::string text = s.GetText();
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_LPARAM;
    item.pszText = text.data();
    item.cxy = s.GetWidth();
    item.lParam = reinterpret_cast<LPARAM>(&s);
    item.fmt = s.GetAlignment() == taCenter         ? HDF_CENTER
               : s.GetAlignment() == taRightJustify ? HDF_RIGHT
                                                    : HDF_LEFT;
    item.fmt |= s.GetStyle() == hsOwnerDraw ? HDF_OWNERDRAW : HDF_STRING;
    if (s.GetImageIndex() >= 0 && FImages) {
      item.mask |= HDI_IMAGE;
      item.iImage = s.GetImageIndex();
      item.fmt |= HDF_IMAGE;
    }
    SendMessageA(wnd, HDM_INSERTITEMA, index++, reinterpret_cast<LPARAM>(&item));
  }
  FUpdating = false;
}

void TCustomHeaderControl::SetStyle(THeaderStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  RecreateWnd();
}

void TCustomHeaderControl::SetHotTrack(bool Value) {
  if (Value == FHotTrack) return;
  FHotTrack = Value;
  RecreateWnd();
}

void TCustomHeaderControl::SetDragReorder(bool Value) {
  if (Value == FDragReorder) return;
  FDragReorder = Value;
  RecreateWnd();
}

void TCustomHeaderControl::SetFullDrag(bool Value) {
  if (Value == FFullDrag) return;
  FFullDrag = Value;
  RecreateWnd();
}

void TCustomHeaderControl::SetImages(TImageList* Value) {
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  ApplyImages();
  UpdateSections();
}

void TCustomHeaderControl::ApplyImages() {
  if (HandleAllocated()) Header_SetImageList(WindowHandle(), FImages ? FImages->Handle() : nullptr);
}

void TCustomHeaderControl::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    if (!ComponentState().Contains(csDestroying)) {
      ApplyImages();
      UpdateSections();
    }
  }
}

RECT TCustomHeaderControl::SectionRect(int Index) {
  RECT r{};
  if (HandleAllocated()) Header_GetItemRect(WindowHandle(), Index, &r);
  return r;
}

bool TCustomHeaderControl::HandleNotify(TMessage& Message) {
  auto* hdr = reinterpret_cast<NMHEADERA*>(Message.LParam);
  THeaderSection* section = SectionAt(hdr->iItem);
  switch (hdr->hdr.code) {
    case HDN_ITEMCLICKA:
    case HDN_ITEMCLICKW:
      if (section && section->GetAllowClick()) SectionClick(section);
      return true;
    case HDN_TRACKA:
    case HDN_TRACKW:
    case HDN_BEGINTRACKA:
    case HDN_BEGINTRACKW:
      if (section && hdr->pitem && (hdr->pitem->mask & HDI_WIDTH))
        SectionTrack(section, std::clamp(hdr->pitem->cxy, section->GetMinWidth(),
                                         std::max(section->GetMinWidth(), section->GetMaxWidth())));
      return false;
    case HDN_ITEMCHANGEDA:
    case HDN_ITEMCHANGEDW: {
      if (!section || FUpdating || !hdr->pitem || !(hdr->pitem->mask & HDI_WIDTH)) return true;
      // The limits hold for widths dragged by the user too.
      const int width = std::clamp(hdr->pitem->cxy, section->GetMinWidth(),
                                   std::max(section->GetMinWidth(), section->GetMaxWidth()));
      if (width != hdr->pitem->cxy) {
        FUpdating = true;
        HDITEMA item{};
        item.mask = HDI_WIDTH;
        item.cxy = width;
        SendMessageA(WindowHandle(), HDM_SETITEMA, hdr->iItem, reinterpret_cast<LPARAM>(&item));
        FUpdating = false;
      }
      if (width != section->FWidth) {
        section->FWidth = width;
        SectionResize(section);
      }
      return true;
    }
  }
  return false;
}

void TCustomHeaderControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY:
      if (Message.LParam != kEngineMessageTag && HandleNotify(Message)) return;
      break;
    case CN_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
      FCanvas.SetHandle(item->hDC);
      FCanvas.Font().Assign(*GetFont());
      try {
        DrawSection(SectionAt(static_cast<int>(item->itemID)), item->rcItem,
                    (item->itemState & ODS_SELECTED) != 0);
      } catch (...) {
        FCanvas.SetHandle(nullptr);
        throw;
      }
      FCanvas.SetHandle(nullptr);
      Message.Result = TRUE;
      return;
    }
  }
  TWinControl::WndProc(Message);
}
