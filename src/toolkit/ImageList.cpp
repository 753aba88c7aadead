#include "toolkit/ImageList.h"

#include "toolkit/GdiHandle.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

const TClassInfo& TImageList::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TImageList>("TImageList", &TComponent::StaticClass())
          .Creatable()
          .Prop("Width", &TImageList::GetWidth, &TImageList::SetWidth, 16)
          .Prop("Height", &TImageList::GetHeight, &TImageList::SetHeight, 16)
          .Prop("ShareImages", &TImageList::GetShareImages, &TImageList::SetShareImages, false)
          .ColorProp("BkColor", &TImageList::GetBkColor, &TImageList::SetBkColor, clNone)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TImageList);

TImageList::~TImageList() {
  FreeHandle();
}

void TImageList::FreeHandle() {
  if (FHandle && !FShareImages) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

HIMAGELIST TImageList::Handle() {
  if (!FHandle) {
    FHandle = ImageList_Create(FWidth, FHeight, ILC_COLOR32 | ILC_MASK, 0, 4);
    FShareImages = false;
  }
  return FHandle;
}

void TImageList::SetHandle(HIMAGELIST Value) {
  if (Value == FHandle) return;
  FreeHandle();
  FHandle = Value;
  if (FHandle) {
    ImageList_GetIconSize(FHandle, &FWidth, &FHeight);
    SetBkColor(FBkColor);
  }
}

int TImageList::GetWidth() const {
  return FWidth;
}
int TImageList::GetHeight() const {
  return FHeight;
}

void TImageList::SetWidth(int Value) {
  if (Value == FWidth) return;
  FWidth = Value;
  if (FHandle && !FShareImages) ImageList_SetIconSize(FHandle, FWidth, FHeight);
}

void TImageList::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  if (FHandle && !FShareImages) ImageList_SetIconSize(FHandle, FWidth, FHeight);
}

int TImageList::Count() const {
  return FHandle ? ImageList_GetImageCount(FHandle) : 0;
}

void TImageList::SetBkColor(int Value) {
  FBkColor = Value;
  if (FHandle) ImageList_SetBkColor(FHandle, Value == clNone ? CLR_NONE : ColorToRGB(Value));
}

int TImageList::AddIcon(HICON Icon) {
  return ImageList_AddIcon(Handle(), Icon);
}

void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) {
  if (!FHandle || !Canvas.Handle()) return;
  UINT style = ILD_TRANSPARENT;
  if (!Enabled) style |= ILD_BLEND50;
  ImageList_Draw(FHandle, Index, Canvas.Handle(), X, Y, style);
}
