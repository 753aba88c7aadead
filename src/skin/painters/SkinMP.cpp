#include "skin/painters/SkinMP.h"

#include <utility>

#include "skin/engine/SkinData.h"
#include "skin/frame/FormSkinner.h"
#include "skin/painters/WMediaPlayer.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinMP::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinMP>("TSkinMP", &TSkinControl::StaticClass()).Info();
  return info;
}

TSkinMP::~TSkinMP() {
  DetachNow();
  FreeReplacement();
}

void TSkinMP::AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                              TCanvas* Canvas) {
  if (FAttached) return;
  TSkinControl::AttachToControl(FormSkinner, Data, PaintBackground, Canvas);
  auto* player = dynamic_cast<TWinControl*>(FControl);
  if (!FAttached || !player) return;
  FReplacement = new TWMediaPlayer(FormSkinner);
  FreeNotification(FReplacement);
  FReplacement->Cover(player, this, Data, Data ? Data->GetDisableTag() : 0);
  FCompanionControl = FReplacement;
}

void TSkinMP::Notification(TComponent* AComponent, TOperation Operation) {
  TSkinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FReplacement) {
    FReplacement = nullptr;
    FCompanionControl = nullptr;
  }
}

void TSkinMP::FreeReplacement() {
  TWMediaPlayer* replacement = std::exchange(FReplacement, nullptr);
  FCompanionControl = nullptr;
  delete replacement;
}

void TSkinMP::Detach() {
  TSkinControl::Detach();
  // After WM_NCDESTROY the window's parent is going too, and takes the
  // replacement with it.
  if (FLifeState != kWindowDestroyed) FreeReplacement();
}

void TSkinMP::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_WINDOWPOSCHANGED:
    case CM_VISIBLECHANGED:
      if (FReplacement) FReplacement->FollowPlayer();
      break;
    case WM_PAINT:
      // The player drew itself (under the cover); what it shows may have
      // changed.
      if (FReplacement) FReplacement->Invalidate();
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}
