#pragma once
// A windowless button, usually on a tool panel, with a glyph and/or a
// caption. Buttons of one parent with the same non-zero GroupIndex form a
// group: a click puts a button down and the others of its group up; a
// down button goes up again on a click only when AllowAllUp. A Flat button
// shows its edge only while the mouse is over it or it is down; a
// Transparent flat button lets its parent show through.

#include "toolkit/ButtonGlyph.h"
#include "toolkit/GraphicControl.h"

class TSpeedButton : public TGraphicControl {
  FW_CLASS(TSpeedButton)
 public:
  explicit TSpeedButton(TComponent* AOwner);

  TBitmap* GetGlyph() const { return FGlyph.Glyph(); }
  void SetGlyph(TBitmap* Value);
  int GetNumGlyphs() const { return FGlyph.GetNumGlyphs(); }
  void SetNumGlyphs(int Value);
  int GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool GetDown() const { return FDown; }
  // Only a grouped button can be down; with AllowAllUp off a down button
  // stays down until another of its group goes down.
  void SetDown(bool Value);
  bool GetAllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool GetFlat() const { return FFlat; }
  void SetFlat(bool Value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  TButtonLayout GetLayout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int GetMargin() const { return FMargin; }
  void SetMargin(int Value);
  int GetSpacing() const { return FSpacing; }
  void SetSpacing(int Value);
  // The mouse button went down on it and is held inside.
  bool Pressed() const { return FTracking && FInside; }

  void Click() override;
  bool ReadBinaryProperty(std::string_view Name, const std::vector<std::uint8_t>& Bytes) override;
  void Loaded() override;

 protected:
  void WndProc(TMessage& Message) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  // Puts the other buttons of the group up.
  void UpdateExclusive();
  void PaintFace(HDC DC, RECT& R, bool PressedLook);

  mutable TButtonGlyph FGlyph;
  int FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  bool FFlat = false;
  bool FTransparent = true;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  bool FTracking = false;
  bool FInside = false;
};
