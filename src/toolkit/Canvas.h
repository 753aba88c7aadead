#pragma once
// Drawing on a device context with a font, brush and pen. The canvas does
// not own the DC; whoever sets Handle keeps it alive while it is set. The
// font, brush and pen are selected into the DC when a drawing call needs
// them and deselected before the DC is let go or they change.

#include <windows.h>

#include <memory>
#include <string>

#include "toolkit/Brush.h"
#include "toolkit/Font.h"
#include "toolkit/Pen.h"

class TBitmap;

class TCanvas {
 public:
  TCanvas();
  virtual ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return FHandle; }
  void SetHandle(HDC Value);

  TFont& Font() { return *FFont; }
  TBrush& Brush() { return *FBrush; }
  TPen& Pen() { return *FPen; }

  void FillRect(const RECT& R);
  void FrameRect(const RECT& R);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void TextOut(int X, int Y, const std::string& Text);
  // Text clipped to R, drawn at X, Y.
  void TextRect(const RECT& R, int X, int Y, const std::string& Text);
  SIZE TextExtent(const std::string& Text);
  int TextWidth(const std::string& Text) { return TextExtent(Text).cx; }
  int TextHeight(const std::string& Text) { return TextExtent(Text).cy; }
  void DrawFocusRect(const RECT& R);
  void Draw(int X, int Y, TBitmap& Bitmap);
  void StretchDraw(const RECT& Dest, TBitmap& Bitmap);
  void CopyRect(const RECT& Dest, TCanvas& Source, const RECT& SourceRect);
  COLORREF GetPixel(int X, int Y);
  void SetPixel(int X, int Y, int Color);

 protected:
  // Makes sure Handle is valid; a canvas that creates its DC on demand
  // overrides this.
  virtual void CreateHandle() {}
  void RequireHandle();

 private:
  void RequireFont();
  void RequireBrush();
  void RequirePen();
  void DeselectAll();
  void ObjectChanged(TObject* Sender);

  HDC FHandle = nullptr;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TPen> FPen;
  HGDIOBJ FOldFont = nullptr;
  HGDIOBJ FOldBrush = nullptr;
  HGDIOBJ FOldPen = nullptr;
};
