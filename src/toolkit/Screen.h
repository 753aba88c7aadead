#pragma once
// The screen: the forms that exist, the active form and the cursor shown
// over all of them (crDefault: each control's own).

#include <vector>

#include "toolkit/ControlTypes.h"
#include "toolkit/portable/Component.h"

class TCustomForm;

class TScreen : public TComponent {
  FW_CLASS(TScreen)
 public:
  explicit TScreen(TComponent* AOwner) : TComponent(AOwner) {}

  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int Index) const { return FForms.at(Index); }
  TCustomForm* ActiveForm() const { return FActiveForm; }
  void SetActiveForm(TCustomForm* Form) { FActiveForm = Form; }

  int GetCursor() const { return FCursor; }
  void SetCursor(int Value);

  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);

 private:
  std::vector<TCustomForm*> FForms;
  TCustomForm* FActiveForm = nullptr;
  int FCursor = crDefault;
};

extern TScreen* Screen;

// Shows the hourglass while alive and puts back the cursor it found.
class TScreenCursorScope {
 public:
  explicit TScreenCursorScope(int Cursor = crHourGlass);
  ~TScreenCursorScope();
  TScreenCursorScope(const TScreenCursorScope&) = delete;
  TScreenCursorScope& operator=(const TScreenCursorScope&) = delete;

 private:
  int Saved;
};
