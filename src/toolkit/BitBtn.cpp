#include "toolkit/BitBtn.h"

#include <algorithm>
#include <array>

#include "toolkit/Form.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

const TClassInfo& TBitBtn::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TBitBtn>("TBitBtn", &TButton::StaticClass())
          .Creatable()
          .ObjectProp("Glyph", &TBitBtn::GetGlyph)
          .Prop("Kind", &TBitBtn::GetKind, &TBitBtn::SetKind, bkCustom)
          .Prop("Layout", &TBitBtn::GetLayout, &TBitBtn::SetLayout, blGlyphLeft)
          .Prop("Margin", &TBitBtn::GetMargin, &TBitBtn::SetMargin, -1)
          .Prop("Spacing", &TBitBtn::GetSpacing, &TBitBtn::SetSpacing, 4)
          .Prop("NumGlyphs", &TBitBtn::GetNumGlyphs, &TBitBtn::SetNumGlyphs, 1)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TBitBtn);

namespace {

constexpr std::array<const char*, 11> kKindCaptions{
    "", "OK", "Cancel", "&Help", "&Yes", "&No", "&Close", "Abort", "&Retry", "&Ignore", "&All"};

// Stock glyphs, drawn once per kind: 18 pixels square on magenta, which the
// glyph treats as transparent (its bottom-left pixel).
void DrawKindGlyph(TBitBtnKind Kind, TBitmap& Bitmap) {
  constexpr int size = 18;
  Bitmap.SetPixelFormat(pf32bit);
  Bitmap.SetSize(size, size);
  TCanvas& c = Bitmap.Canvas();
  c.Brush().SetColor(clFuchsia);
  c.FillRect({0, 0, size, size});
  c.Pen().SetWidth(3);
  auto line = [&](int Color, std::initializer_list<POINT> Points) {
    c.Pen().SetColor(Color);
    auto p = Points.begin();
    c.MoveTo(p->x, p->y);
    for (++p; p != Points.end(); ++p) c.LineTo(p->x, p->y);
  };
  const int green = 0x008000, red = 0x0000C0, blue = 0x800000;
  switch (Kind) {
    case bkOK:
    case bkYes:
      line(green, {{3, 9}, {7, 13}, {15, 4}});
      break;
    case bkAll:
      line(green, {{1, 9}, {4, 12}, {10, 5}});
      line(green, {{7, 11}, {9, 13}, {16, 5}});
      break;
    case bkCancel:
    case bkNo:
    case bkAbort:
      line(red, {{4, 4}, {14, 14}});
      line(red, {{14, 4}, {4, 14}});
      break;
    case bkHelp:
      line(blue, {{5, 6}, {6, 3}, {12, 3}, {13, 6}, {9, 9}, {9, 11}});
      line(blue, {{9, 14}, {9, 15}});
      break;
    case bkClose:
      line(0x606000, {{5, 2}, {5, 16}, {13, 16}, {13, 2}, {5, 2}});
      line(0x606000, {{10, 9}, {11, 9}});
      break;
    case bkRetry:
      line(green, {{14, 9}, {14, 14}, {4, 14}, {4, 4}, {13, 4}});
      line(green, {{10, 1}, {13, 4}, {10, 7}});
      break;
    case bkIgnore:
      line(blue, {{2, 9}, {15, 9}});
      line(blue, {{11, 5}, {15, 9}, {11, 13}});
      break;
    case bkCustom:
      break;
  }
  c.Pen().SetWidth(1);
  c.SetHandle(nullptr);
}

}  // namespace

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner) {}

void TBitBtn::CreateParams(TCreateParams& Params) {
  TButton::CreateParams(Params);
  Params.Style = (Params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

void TBitBtn::SetGlyph(TBitmap* Value) {
  if (Value) {
    FGlyph.Glyph()->Assign(*Value);
  } else {
    FGlyph.Glyph()->SetSize(0, 0);
  }
  FKindGlyph = false;
  Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind Value) {
  if (Value == FKind) return;
  const std::string caption = GetText();
  const bool captionFromKind = caption.empty() || caption == kKindCaptions[FKind];
  FKind = Value;
  if (captionFromKind) SetText(kKindCaptions[Value]);
  if (FGlyph.Glyph()->Empty() || FKindGlyph) {
    if (Value == bkCustom) {
      FGlyph.Glyph()->SetSize(0, 0);
    } else {
      DrawKindGlyph(Value, *FGlyph.Glyph());
    }
    FKindGlyph = Value != bkCustom;
  }
  if (Value == bkOK || Value == bkYes) SetDefault(true);
  if (Value == bkCancel || Value == bkNo) SetCancel(true);
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout Value) {
  FLayout = Value;
  Invalidate();
}

void TBitBtn::SetMargin(int Value) {
  FMargin = std::max(Value, -1);
  Invalidate();
}

void TBitBtn::SetSpacing(int Value) {
  FSpacing = std::max(Value, -1);
  Invalidate();
}

void TBitBtn::SetNumGlyphs(int Value) {
  FGlyph.SetNumGlyphs(Value);
  Invalidate();
}

bool TBitBtn::ReadBinaryProperty(std::string_view Name, const std::vector<std::uint8_t>& Bytes) {
  if (Name != "Glyph.Data") return TButton::ReadBinaryProperty(Name, Bytes);
  FGlyph.LoadFromData(Bytes);
  FKindGlyph = false;
  Invalidate();
  return true;
}

void TBitBtn::Click() {
  if (FKind == bkClose) {
    if (TCustomForm* form = GetParentForm(this)) {
      TButton::Click();
      form->Close();
      return;
    }
  }
  TButton::Click();
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& Item) {
  HDC dc = Item.hDC;
  RECT r = Item.rcItem;
  const bool pressed = Item.itemState & ODS_SELECTED;
  const bool focused = Item.itemState & ODS_FOCUS;
  const bool disabled = Item.itemState & ODS_DISABLED;

  if (GetDefault() || focused) {
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  RECT content = r;
  InflateRect(&content, -2, -2);
  if (pressed) OffsetRect(&content, 1, 1);

  const TGlyphState state = disabled  ? TGlyphState::Disabled
                            : pressed ? TGlyphState::Down
                                      : TGlyphState::Up;
  UINT flags = GetWordWrap() ? DT_WORDBREAK | DT_CENTER : 0;
  if (GetBiDiMode() != bdLeftToRight) flags |= DT_RTLREADING;
  DrawGlyphAndCaption(dc, content, FGlyph, state, GetText(), *GetFont(), FLayout, FMargin, FSpacing,
                      flags);
  if (focused) {
    RECT focus = r;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

void TBitBtn::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam));
      Message.Result = TRUE;
      return;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button reports a double click instead of pressing:
      // a quick second click presses it like the first.
      Message.Msg = WM_LBUTTONDOWN;
      break;
  }
  TButton::WndProc(Message);
}
