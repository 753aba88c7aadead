#pragma once
// Draws menu-bar captions onto a bitmap of the bar (or of one item): the
// screen's menu font, centred, in the skin's menu-bar text colour or, for a
// disabled item, its shadow colour.

#include <windows.h>

#include <string>

#include "toolkit/GdiHandle.h"

class TBitmap;
class TSkinData;

class TBarItemDrawing {
 public:
  TBarItemDrawing(TBitmap& Bitmap, const TSkinData* Data);
  ~TBarItemDrawing();
  TBarItemDrawing(const TBarItemDrawing&) = delete;
  TBarItemDrawing& operator=(const TBarItemDrawing&) = delete;

  // Null when the bitmap could not be selected.
  HDC DC() const { return FOld ? FDC.Get() : nullptr; }
  void DrawCaption(const RECT& Rect, const std::string& Caption, bool Enabled);
  // A one-pixel frame in the skin's button highlight colour.
  void DrawHotFrame(const RECT& Rect);

 private:
  const TSkinData* FData;
  TDCHandle FDC;
  TFontHandle FFont;
  HGDIOBJ FOld = nullptr;
  HGDIOBJ FOldFont = nullptr;
};
