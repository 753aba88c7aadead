#pragma once
// An icon handle with its owner.

#include <windows.h>

#include "toolkit/GdiHandle.h"

class TIcon {
 public:
  HICON Handle() const { return FHandle.Get(); }
  // Takes ownership of Icon.
  void SetHandle(HICON Icon) { FHandle.Reset(Icon); }
  bool Empty() const { return !FHandle; }
  // Loads icon resource Id of the program at the given size (0: default).
  bool LoadFromResourceId(int Id, int Size = 0);
  int Width() const;
  int Height() const;

 private:
  TIconHandle FHandle;
};
