#pragma once
// An image list: either one of its own, or a list that belongs to someone
// else (the system image lists) and is only used here (ShareImages).

#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include "toolkit/Canvas.h"
#include "toolkit/portable/Component.h"

class TImageList : public TComponent {
  FW_CLASS(TImageList)
 public:
  explicit TImageList(TComponent* AOwner) : TComponent(AOwner) {}
  ~TImageList() override;

  // The list, made with Width x Height 32-bit masked images when it has
  // none yet.
  HIMAGELIST Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Uses Value from now on; with ShareImages it is never destroyed here.
  void SetHandle(HIMAGELIST Value);
  bool GetShareImages() const { return FShareImages; }
  void SetShareImages(bool Value) { FShareImages = Value; }

  int GetWidth() const;
  void SetWidth(int Value);
  int GetHeight() const;
  void SetHeight(int Value);
  int Count() const;
  int GetBkColor() const { return FBkColor; }
  // A colour value, or clNone for transparent drawing.
  void SetBkColor(int Value);

  int AddIcon(HICON Icon);
  void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true);

 private:
  void FreeHandle();

  HIMAGELIST FHandle = nullptr;
  bool FShareImages = false;
  int FWidth = 16;
  int FHeight = 16;
  int FBkColor = 0x1FFFFFFF;  // clNone
};
