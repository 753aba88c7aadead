#include "skin/painters/SkinListView.h"

#include <commctrl.h>

#include "skin/frame/FormSkinner.h"
#include "skin/painters/SkinHeader.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinListView::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinListView>("TSkinListView", &TSkinScrollbar::StaticClass()).Info();
  return info;
}

TSkinListView::~TSkinListView() {
  if (FHeaderPainter) FHeaderPainter->RemoveFreeNotification(this);
}

void TSkinListView::AttachScrollBars(TWinControl* Control, TSkinData* Data,
                                     TWinSkinForm* FormSkinner, TCanvas* Canvas) {
  TSkinScrollbar::AttachScrollBars(Control, Data, FormSkinner, Canvas);
  if (!Attached()) return;
  FHeader = reinterpret_cast<HWND>(SendMessageA(Handle(), LVM_GETHEADER, 0, 0));
  if (FHeader) AttachHeader(Data, FormSkinner, Canvas);
}

void TSkinListView::AttachHeader(TSkinData* Data, TWinSkinForm* FormSkinner, TCanvas* Canvas) {
  // A painter of this family that replaced an earlier one finds the
  // header painted already: it takes that painter over.
  TSkinControl* existing = FormSkinner ? FormSkinner->FindPainterByHandle(FHeader) : nullptr;
  auto* header = dynamic_cast<TSkinHeader*>(existing);
  if (!header && !existing) {
    header = new TSkinHeader(Owner());
    header->AttachToWindow(FHeader, Data, FormSkinner, Canvas);
    if (!header->Attached()) {
      delete header;
      return;
    }
  }
  FHeaderPainter = header;
  if (header) header->FreeNotification(this);
}

void TSkinListView::Notification(TComponent* AComponent, TOperation Operation) {
  TSkinScrollbar::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FHeaderPainter) FHeaderPainter = nullptr;
}

TSkinScrollbar* TSkinListView::NewOfSameFamily(TComponent* AOwner) const {
  return new TSkinListView(AOwner);
}
