#include "skin/painters/SkinListView.h"

#include <commctrl.h>

#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinListView::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinListView>("TSkinListView", &TSkinScrollbar::StaticClass()).Info();
  return info;
}

void TSkinListView::AttachScrollBars(TWinControl* Control, TSkinData* Data,
                                     TWinSkinForm* FormSkinner, TCanvas* Canvas) {
  TSkinScrollbar::AttachScrollBars(Control, Data, FormSkinner, Canvas);
  if (!Attached()) return;
  // The header keeps its native look: no header painter is made for it.
  FHeader = reinterpret_cast<HWND>(SendMessageA(Handle(), LVM_GETHEADER, 0, 0));
}

TSkinScrollbar* TSkinListView::NewOfSameFamily(TComponent* AOwner) const {
  return new TSkinListView(AOwner);
}
