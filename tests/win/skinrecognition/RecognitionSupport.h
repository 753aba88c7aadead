#pragma once
// What the recognition tests share: a skinned form whose controls are made
// before the engine takes it over, the painter the form skinner holds for a
// control or window, and a painter of the tests' own.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/painters/SkinControl.h"
#include "skin/recognition/PainterFactory.h"
#include "skinframe/SkinFrameSupport.h"
#include "toolkit/WinControl.h"

// A form skinned with the program's skin; Populate makes its controls (and
// may change the skin data) before the engine takes the form over.
class TRecognisedForm {
 public:
  using TPopulate = std::function<void(TForm& Form, TSkinData& Data)>;
  explicit TRecognisedForm(TPopulate Populate);

  TWinSkinForm& Skinner() const { return *FWindow.Skinner(); }
  TForm& Form() const { return *FWindow.Form; }
  TSkinData& Data() const { return *FWindow.Data; }
  HWND Handle() const { return FWindow.Handle(); }
  bool Skinned() const { return FWindow.Skinner() != nullptr; }
  TSkinnedForm& Window() { return FWindow; }

 private:
  static TSkinnedForm::TOptions OptionsFor(TPopulate Populate);
  TSkinnedForm FWindow;
};

// A control of class T owned by Owner, placed on Parent.
template <class T>
T* Add(TComponent& Owner, TWinControl& Parent, int Left, int Top, int Width = 80,
       int Height = 24) {
  auto* control = new T(&Owner);
  control->SetParent(&Parent);
  control->SetBounds(Left, Top, Width, Height);
  return control;
}

// The painter of the skinner's list that paints Control (or Window).
TSkinControl* PainterOf(const TWinSkinForm& Skinner, const TControl* Control);
TSkinControl* PainterOfWindow(const TWinSkinForm& Skinner, HWND Window);

// The painter is of Kind's class; or, while that class is not built, there
// is none.
::testing::AssertionResult PaintedAs(const TSkinControl* Painter, TPainterKind Kind);
// No painter.
::testing::AssertionResult Unpainted(const TSkinControl* Painter);

// A painter of the tests' own, as an OnSkinControl handler supplies it: it
// gives the control the skin's face colour while attached.
class TProbePainter : public TSkinControl {
 public:
  explicit TProbePainter(TComponent* AOwner) : TSkinControl(AOwner) { FPaintBackground = true; }
};

// Records the controls an OnSkinControl handler is asked about and, for
// those Accept picks, supplies a probe painter.
class TSkinControlProbe {
 public:
  std::function<bool(TControl&)> Accept = [](TControl&) { return true; };
  std::vector<TControl*> Asked;
  std::vector<std::string> ClassNames;

  void Handler(TComponent* Sender, TSkinData* Data, TControl* Form, TControl* Control,
               const std::string& ClassName, TComponent*& Painter);
  TOnSkinControl Event() { return TOnSkinControl(this, &TSkinControlProbe::Handler); }
  int TimesAsked(const TControl* Control) const;
};
