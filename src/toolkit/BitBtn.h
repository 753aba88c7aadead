#pragma once
// A push button with a glyph beside its caption (owner-drawn BUTTON). Kind
// gives a stock button: its caption, its glyph and, for OK and Yes, the
// default role, for Cancel and No the cancel role; a Close button closes
// its form when clicked.

#include "toolkit/Button.h"
#include "toolkit/ButtonGlyph.h"
#include "toolkit/portable/ButtonLayout.h"

FW_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry,
        bkIgnore, bkAll)

class TBitBtn : public TButton {
  FW_CLASS(TBitBtn)
 public:
  explicit TBitBtn(TComponent* AOwner);

  TBitmap* GetGlyph() const { return FGlyph.Glyph(); }
  // Copies the bitmap; null clears the glyph.
  void SetGlyph(TBitmap* Value);
  TBitBtnKind GetKind() const { return FKind; }
  void SetKind(TBitBtnKind Value);
  TButtonLayout GetLayout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int GetMargin() const { return FMargin; }
  void SetMargin(int Value);
  int GetSpacing() const { return FSpacing; }
  void SetSpacing(int Value);
  int GetNumGlyphs() const { return FGlyph.GetNumGlyphs(); }
  void SetNumGlyphs(int Value);

  void Click() override;
  bool ReadBinaryProperty(std::string_view Name, const std::vector<std::uint8_t>& Bytes) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

 private:
  void DrawItem(const DRAWITEMSTRUCT& Item);
  mutable TButtonGlyph FGlyph;
  TBitBtnKind FKind = bkCustom;
  // The glyph and caption came from the kind and follow it.
  bool FKindGlyph = false;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
};
