#include "toolkit/TabSheet.h"

#include "toolkit/PageControl.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TTabSheet::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTabSheet>("TTabSheet", &TWinControl::StaticClass())
          .Creatable()
          .Prop("Caption", &TControl::GetText, &TControl::SetText, std::string())
          .Prop("PageIndex", &TTabSheet::GetPageIndex, &TTabSheet::SetPageIndex, -1)
          .Prop("TabVisible", &TTabSheet::GetTabVisible, &TTabSheet::SetTabVisible, true)
          .Prop("ImageIndex", &TTabSheet::GetImageIndex, &TTabSheet::SetImageIndex, -1)
          .EventProp("OnShow", &TTabSheet::OnShow)
          .EventProp("OnHide", &TTabSheet::OnHide)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TTabSheet);

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
  // Shown by its page control when it becomes the active page.
  FVisible = false;
  SetBounds(0, 0, 100, 100);
}

TTabSheet::~TTabSheet() {
  SetPageControl(nullptr);
}

void TTabSheet::SetParent(TWinControl* Value) {
  auto* pages = dynamic_cast<TPageControl*>(Value);
  if (FPageControl && FPageControl != pages) {
    TPageControl* old = std::exchange(FPageControl, nullptr);
    old->RemovePage(this);
  }
  TWinControl::SetParent(Value);
  if (pages && FPageControl != pages) {
    FPageControl = pages;
    pages->InsertPage(this);
  }
}

void TTabSheet::SetPageControl(TPageControl* Value) {
  SetParent(Value);
}

int TTabSheet::GetPageIndex() const {
  if (!FPageControl) return FWantedPageIndex;
  const auto& pages = FPageControl->FPages;
  for (size_t i = 0; i < pages.size(); ++i)
    if (pages[i] == this) return static_cast<int>(i);
  return -1;
}

void TTabSheet::SetPageIndex(int Value) {
  if (ComponentState().Contains(csLoading) || !FPageControl) {
    FWantedPageIndex = Value;
    return;
  }
  FPageControl->MovePage(this, Value);
}

int TTabSheet::TabIndex() const {
  return FPageControl ? FPageControl->TabIndexOfPage(this) : -1;
}

void TTabSheet::SetTabVisible(bool Value) {
  if (Value == FTabVisible) return;
  FTabVisible = Value;
  if (FPageControl) FPageControl->PagesChanged();
}

void TTabSheet::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  if (FPageControl) FPageControl->PagesChanged();
}

void TTabSheet::TextChanged() {
  TWinControl::TextChanged();
  if (FPageControl) FPageControl->PagesChanged();
}

void TTabSheet::VisibleChanged() {
  TWinControl::VisibleChanged();
  FVisible ? OnShow(this) : OnHide(this);
}
