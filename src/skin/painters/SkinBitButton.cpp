#include "skin/painters/SkinBitButton.h"

#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/imaging/ImageTransforms.h"
#include "skin/render/DeviceDrawing.h"
#include "skin/render/SkinTextDrawing.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/ImageList.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinBitButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinBitButton>("TSkinBitButton", &TSkinButton::StaticClass()).Info();
  return info;
}

namespace {

TButtonLayout LayoutFromName(const std::string& Name) {
  const std::string name = LowerAscii(Name);
  if (name == "blglyphright") return blGlyphRight;
  if (name == "blglyphtop") return blGlyphTop;
  if (name == "blglyphbottom") return blGlyphBottom;
  return blGlyphLeft;
}

bool Horizontal(TButtonLayout Layout) {
  return Layout == blGlyphLeft || Layout == blGlyphRight;
}

int OrdProp(const TObject* Object, const char* Name) {
  return static_cast<int>(GetOrdPropByName(Object, Name));
}

}  // namespace

TSkinBitButton::TGlyphProps TSkinBitButton::ReadGlyphProps() const {
  TGlyphProps props;
  const bool ownGlyph = !FGlyphPropertyName.empty();
  props.Glyph = dynamic_cast<TBitmap*>(
      GetObjectPropByName(FControl, ownGlyph ? FGlyphPropertyName : std::string("Glyph")));
  if (!ownGlyph) {
    props.Images = dynamic_cast<TImageList*>(GetObjectPropByName(FControl, "Images"));
    props.ImageIndex = OrdProp(FControl, "ImageIndex");
    props.DisabledIndex = OrdProp(FControl, "DisabledIndex");
  }
  // A strip never holds fewer than one glyph.
  props.NumGlyphs = std::max(OrdProp(FControl, "NumGlyphs"), 1);
  props.Margin = OrdProp(FControl, "Margin");
  props.Spacing = OrdProp(FControl, "Spacing");
  props.Layout = LayoutFromName(GetEnumPropByName(FControl, "Layout"));
  if (LowerAscii(GetEnumPropByName(FControl, "Alignment")) == "tacenter") props.Margin = -1;
  return props;
}

TPoint TSkinBitButton::GlyphSize(const TGlyphProps& Props) const {
  if (Props.Glyph && !Props.Glyph->Empty())
    return {Props.Glyph->Width() / Props.NumGlyphs, Props.Glyph->Height()};
  if (Props.Images && Props.ImageIndex != -1)
    return {Props.Images->GetWidth(), Props.Images->GetHeight()};
  return {0, 0};
}

void TSkinBitButton::DrawGlyph(HDC Face, TPoint At, const TGlyphProps& Props, int Glyph) {
  if (Props.Glyph && !Props.Glyph->Empty()) {
    const int number = Props.NumGlyphs < Glyph ? 1 : Glyph;
    const TPixelBuffer strip = Props.Glyph->ToPixelBuffer();
    TPixelBuffer image = strip.Copy(CutFrame(strip, false, Props.NumGlyphs, number));
    if (image.Empty()) return;
    if (number == gnDisabled) MakeGrayscale(image);
    // The glyph's own transparent colour: its bottom-left pixel.
    const TPixel key = image.Pixel(0, image.Height() - 1);
    DrawTransparent(Face, TRect{At.X, At.Y, At.X + image.Width(), At.Y + image.Height()}, image,
                    ColorFromPixel(key));
    return;
  }
  if (!Props.Images) return;
  TCanvas canvas;
  canvas.SetHandle(Face);
  if (FEnabled) {
    if (Props.ImageIndex != -1) Props.Images->Draw(canvas, At.X, At.Y, Props.ImageIndex);
  } else if (Props.DisabledIndex != -1) {
    Props.Images->Draw(canvas, At.X, At.Y, Props.DisabledIndex);
  } else if (Props.ImageIndex != -1) {
    Props.Images->Draw(canvas, At.X, At.Y, Props.ImageIndex, false);
  }
  canvas.SetHandle(nullptr);
}

void TSkinBitButton::DrawGlyphAndCaption(HDC Face, const RECT& Rect, const TGlyphProps& Props,
                                         int Glyph) {
  const TPoint glyph = GlyphSize(Props);
  FCaption = ReplaceFirst(FCaption, L"||", L"\r\n");
  RECT textArea = Rect;
  InflateRect(&textArea, -2, -2);
  if (Horizontal(Props.Layout))
    textArea.right -= glyph.X + 2;
  else
    textArea.bottom -= glyph.Y + 2;
  TPoint text{0, 0};
  if (!FCaption.empty()) {
    DrawSkinText(Face, FCaption, textArea, DT_CALCRECT | DT_WORDBREAK);
    text = {textArea.right - textArea.left, textArea.bottom - textArea.top};
  }
  const TButtonLayoutResult placed =
      LayoutButton(TRect{Rect.left, Rect.top, Rect.right, Rect.bottom}, glyph, text, Props.Layout,
                   Props.Margin, Props.Spacing);
  DrawGlyph(Face, placed.GlyphPos, Props, Glyph);
  if (FCaption.empty()) return;
  UINT flags = DT_WORDBREAK;
  if (Props.Layout == blGlyphRight) flags |= DT_RIGHT;
  if (!Horizontal(Props.Layout)) flags |= DT_CENTER;
  RECT box{placed.TextBounds.Left, placed.TextBounds.Top, placed.TextBounds.Right,
           placed.TextBounds.Bottom};
  SetBkMode(Face, TRANSPARENT);
  RECT drawn = box;
  DrawSkinText(Face, FCaption, drawn, TextFlags(flags));
  if (WantsFocusRect()) {
    InflateRect(&box, 2, 2);
    DrawFocusRect(Face, &box);
  }
}

void TSkinBitButton::Paint(HDC DC, const RECT& Rect) {
  if (!ButtonElement()) return;
  ReadWindowState();
  FCaption = FControl ? GetTextPropByName(FControl, "Caption") : ReadWindowText(FHandle);
  const int frame = FaceFrame();
  HDC face = PrepareFace(Rect, frame);
  if (!face) return;
  HGDIOBJ oldFont = SelectCaptionFont(face, frame);
  const int glyph = Pressed() ? gnPressed : !FEnabled ? gnDisabled : gnUp;
  DrawGlyphAndCaption(face, RECT{0, 0, FFaceBitmap.Width(), FFaceBitmap.Height()},
                      ReadGlyphProps(), glyph);
  SelectObject(face, oldFont);
  FFaceBitmap.CopyTo(DC, Rect.left, Rect.top);
}
