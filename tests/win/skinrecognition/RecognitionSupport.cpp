#include "skinrecognition/RecognitionSupport.h"

#include <algorithm>

TSkinnedForm::TOptions TRecognisedForm::OptionsFor(TPopulate Populate) {
  TSkinnedForm::TOptions options;
  options.ClientWidth = 640;
  options.ClientHeight = 420;
  options.Caption = "Recognition";
  options.Configure = [Populate](TSkinData& Data) {
    Populate(*static_cast<TForm*>(Data.Owner()), Data);
  };
  return options;
}

TRecognisedForm::TRecognisedForm(TPopulate Populate)
    : FWindow(ProgramSkin(), OptionsFor(std::move(Populate))) {
  FWindow.WaitSkinned();
  PumpMessages(50);
}

TSkinControl* PainterOf(const TWinSkinForm& Skinner, const TControl* Control) {
  for (TSkinControl* painter : Skinner.Painters())
    if (painter->Control() == Control) return painter;
  return nullptr;
}

TSkinControl* PainterOfWindow(const TWinSkinForm& Skinner, HWND Window) {
  return Skinner.FindPainterByHandle(Window);
}

::testing::AssertionResult PaintedAs(const TSkinControl* Painter, TPainterKind Kind) {
  const std::string expected = PainterClassName(Kind);
  if (!PainterBuilt(Kind)) {
    if (!Painter) return ::testing::AssertionSuccess() << expected << " is not built; none";
    return ::testing::AssertionFailure()
           << "got " << Painter->ClassName() << " though " << expected << " is not built";
  }
  if (!Painter) return ::testing::AssertionFailure() << "no painter, expected " << expected;
  if (Painter->ClassName() != expected)
    return ::testing::AssertionFailure()
           << "got " << Painter->ClassName() << ", expected " << expected;
  if (!Painter->Attached()) return ::testing::AssertionFailure() << expected << " not attached";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Unpainted(const TSkinControl* Painter) {
  if (!Painter) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got " << Painter->ClassName();
}

void TSkinControlProbe::Handler(TComponent*, TSkinData*, TControl*, TControl* Control,
                                const std::string& ClassName, TComponent*& Painter) {
  Asked.push_back(Control);
  ClassNames.push_back(ClassName);
  if (Accept(*Control)) Painter = new TProbePainter(Control);
}

int TSkinControlProbe::TimesAsked(const TControl* Control) const {
  return static_cast<int>(std::count(Asked.begin(), Asked.end(), Control));
}
