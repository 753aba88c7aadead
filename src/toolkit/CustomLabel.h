#pragma once
// A windowless text control: caption drawn in the control's font, aligned,
// optionally wrapped, on the control's colour or transparent; with AutoSize
// the control takes the size of its text.

#include "toolkit/GraphicControl.h"
#include "toolkit/portable/ClassBuilder.h"

class TCustomLabel : public TGraphicControl {
  FW_CLASS(TCustomLabel)
 public:
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool GetShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);

  void Loaded() override;

 protected:
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;
  // Resizes to the text when AutoSize is on.
  virtual void AdjustBounds();
  UINT DrawTextFlags() const;

 private:
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  bool FTransparent = false;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
};

// The properties every published label shows; TLabel and the bound label of
// a labelled edit share them.
template <class C>
TClassBuilder<C>& PublishLabelProperties(TClassBuilder<C>& B) {
  return B.Prop("Caption", &TControl::GetText, &TControl::SetText, std::string())
      .Prop("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, true)
      .Prop("Alignment", &TCustomLabel::GetAlignment, &TCustomLabel::SetAlignment, taLeftJustify)
      .Prop("AutoSize", &TCustomLabel::GetAutoSize, &TCustomLabel::SetAutoSize, true)
      .Prop("Transparent", &TCustomLabel::GetTransparent, &TCustomLabel::SetTransparent, false)
      .Prop("WordWrap", &TCustomLabel::GetWordWrap, &TCustomLabel::SetWordWrap, false)
      .Prop("ShowAccelChar", &TCustomLabel::GetShowAccelChar, &TCustomLabel::SetShowAccelChar,
            true);
}
