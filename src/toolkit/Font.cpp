#include "toolkit/Font.h"

#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFont>("TFont", &TGraphicsObject::StaticClass())
          .Prop("Name", &TFont::GetName, &TFont::SetName, std::string("MS Sans Serif"))
          .Prop("Height", &TFont::GetHeight, &TFont::SetHeight, -11)
          .Prop("Size", &TFont::GetSize, &TFont::SetSize, 8)
          .Prop("Style", &TFont::GetStyle, &TFont::SetStyle, TFontStyles{})
          .ColorProp("Color", &TFont::GetColor, &TFont::SetColor, clWindowText)
          .Prop("Charset", &TFont::GetCharset, &TFont::SetCharset, DEFAULT_CHARSET)
          .Info();
  return info;
}

TFont::TFont() : FColor(clWindowText) {}

HFONT TFont::Handle() const {
  if (!FHandle) {
    LOGFONTA lf{};
    lf.lfHeight = FHeight;
    lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = FStyle.Contains(fsItalic);
    lf.lfUnderline = FStyle.Contains(fsUnderline);
    lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    lf.lfCharSet = static_cast<BYTE>(FCharset);
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, FName.c_str(), LF_FACESIZE);
    FHandle.Reset(CreateFontIndirectA(&lf));
  }
  return FHandle.Get();
}

void TFont::Assign(const TFont& Source) {
  if (&Source == this) return;
  FName = Source.FName;
  FHeight = Source.FHeight;
  FStyle = Source.FStyle;
  FColor = Source.FColor;
  FCharset = Source.FCharset;
  Changed();
}

void TFont::Changed() {
  FHandle.Reset();
  TGraphicsObject::Changed();
}

void TFont::SetName(const std::string& Value) {
  if (Value.empty() || Value == FName) return;
  FName = Value;
  Changed();
}

int TFont::GetSize() const {
  return -MulDiv(FHeight, 72, PixelsPerInch);
}

void TFont::SetSize(int Value) {
  SetHeight(-MulDiv(Value, PixelsPerInch, 72));
}

void TFont::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  Changed();
}

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TFont::SetColor(int Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TFont::SetCharset(int Value) {
  if (Value == FCharset) return;
  FCharset = Value;
  Changed();
}
