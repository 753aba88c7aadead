#include "toolkit/Icon.h"

bool TIcon::LoadFromResourceId(int Id, int Size) {
  HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(Id), IMAGE_ICON, Size, Size,
                           Size ? 0 : LR_DEFAULTSIZE);
  FHandle.Reset(static_cast<HICON>(icon));
  return !Empty();
}

namespace {
SIZE IconSize(HICON Icon) {
  SIZE size{};
  ICONINFO info{};
  if (!Icon || !GetIconInfo(Icon, &info)) return size;
  BITMAP bm{};
  if (info.hbmColor && GetObjectA(info.hbmColor, sizeof bm, &bm)) {
    size = {bm.bmWidth, bm.bmHeight};
  } else if (info.hbmMask && GetObjectA(info.hbmMask, sizeof bm, &bm)) {
    size = {bm.bmWidth, bm.bmHeight / 2};
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return size;
}
}  // namespace

int TIcon::Width() const {
  return IconSize(FHandle.Get()).cx;
}
int TIcon::Height() const {
  return IconSize(FHandle.Get()).cy;
}
