#include "skin/painters/SkinAdvPage.h"

#include "skin/definition/DataSkinObject.h"
#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/imaging/ImagePrimitives.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Control.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinAdvPage::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinAdvPage>("TSkinAdvPage", &TSkinTab::StaticClass()).Info();
  return info;
}

TSkinAdvPage::TSkinAdvPage(TComponent* AOwner) : TSkinTab(AOwner) {
  FMode = kPageMode;
}

TSkinAdvPage::~TSkinAdvPage() {
  // Detached here, while this class's own undo still runs.
  DetachNow();
}

void TSkinAdvPage::AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data,
                                   bool PaintBackground, TCanvas* Canvas) {
  TSkinTab::AttachToControl(FormSkinner, Data, PaintBackground, Canvas);
  FMode = kPageMode;
  if (Attached()) ApplyPictures();
}

void TSkinAdvPage::SkinChanged() {
  if (Attached()) ApplyPictures();
  TSkinTab::SkinChanged();
}

void TSkinAdvPage::Detach() {
  RestorePictures();
  TSkinTab::Detach();
}

void TSkinAdvPage::ApplyPictures() {
  const TDataSkinBorder* element = TabsElement();
  if (!element || !FControl) return;
  for (TTabPicture& picture : FPictures) {
    auto* bitmap = dynamic_cast<TBitmap*>(GetObjectPropByName(FControl, picture.Property));
    if (!bitmap) continue;
    if (!picture.Saved) {
      picture.Saved = std::make_unique<TPixelBuffer>(bitmap->ToPixelBuffer());
      picture.Bitmap = bitmap;
    }
    const TRect frame = CutFrame(element->Image, false, element->FrameCount, picture.Frame);
    bitmap->Assign(element->Image.Copy(frame));
  }
  FControl->Invalidate();
}

void TSkinAdvPage::RestorePictures() {
  for (TTabPicture& picture : FPictures) {
    if (!picture.Saved) continue;
    // The control may have been given another picture object meanwhile;
    // only the one that was changed gets its pixels back.
    if (FControl && GetObjectPropByName(FControl, picture.Property) == picture.Bitmap) {
      if (picture.Saved->Empty())
        picture.Bitmap->SetSize(0, 0);
      else
        picture.Bitmap->Assign(*picture.Saved);
    }
    picture.Saved.reset();
    picture.Bitmap = nullptr;
  }
}
