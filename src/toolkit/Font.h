#pragma once
// A logical font. The GDI font is made on first use and remade after a
// change. Size is in points, Height in pixels (negative: character height
// without internal leading); setting one sets the other.

#include <windows.h>

#include <string>

#include "toolkit/GdiHandle.h"
#include "toolkit/GraphicsObject.h"
#include "toolkit/GraphicsTypes.h"

class TFont : public TGraphicsObject {
  FW_CLASS(TFont)
 public:
  TFont();

  HFONT Handle() const;
  void Assign(const TFont& Source);

  std::string GetName() const { return FName; }
  void SetName(const std::string& Value);
  int GetSize() const;
  void SetSize(int Value);
  int GetHeight() const { return FHeight; }
  void SetHeight(int Value);
  TFontStyles GetStyle() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  int GetColor() const { return FColor; }
  void SetColor(int Value);
  int GetCharset() const { return FCharset; }
  void SetCharset(int Value);

  static constexpr int PixelsPerInch = 96;

 protected:
  void Changed() override;

 private:
  std::string FName = "MS Sans Serif";
  int FHeight = -11;  // 8 points
  TFontStyles FStyle;
  int FColor;
  int FCharset = DEFAULT_CHARSET;
  mutable TFontHandle FHandle;
};
