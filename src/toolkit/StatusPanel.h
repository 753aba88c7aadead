#pragma once
// One panel of a status bar: its text, width, alignment, bevel and
// whether the status bar's owner draws it. Every change, and the panel's
// coming and going, is shown by the status bar at once.

#include <string>

#include "toolkit/ControlTypes.h"
#include "toolkit/portable/Collection.h"

FW_ENUM(TStatusPanelBevel, pbNone, pbLowered, pbRaised)
FW_ENUM(TStatusPanelStyle, psText, psOwnerDraw)

class TStatusPanel : public TCollectionItem {
  FW_CLASS(TStatusPanel)
 public:
  explicit TStatusPanel(TCollection* Collection);
  ~TStatusPanel() override;

  std::string GetText() const { return FText; }
  void SetText(const std::string& Value);
  int GetWidth() const { return FWidth; }
  void SetWidth(int Value);
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TStatusPanelBevel GetBevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel Value);
  TStatusPanelStyle GetStyle() const { return FStyle; }
  void SetStyle(TStatusPanelStyle Value);
  // False while the panel is being destroyed.
  bool Alive() const { return FAlive; }

 private:
  void Changed();

  std::string FText;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  TStatusPanelBevel FBevel = pbLowered;
  TStatusPanelStyle FStyle = psText;
  bool FAlive = true;
};
