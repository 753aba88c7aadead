#pragma once
// Turns a painter kind into an attached painter. This is the one place
// that knows the painter classes: a painter family registers itself by
// filling in its row of the table in PainterFactory.cpp.

#include <windows.h>

#include "skin/recognition/PainterKind.h"

class TCanvas;
class TComponent;
class TControl;
class TSkinControl;
class TSkinData;
class TWinSkinForm;

// What a new painter is attached to, and with what.
struct TPainterTarget {
  TWinSkinForm* FormSkinner = nullptr;
  TSkinData* SkinData = nullptr;
  TCanvas* Canvas = nullptr;
  // A toolkit control: the painter's owner. Null for a bare window, whose
  // painter the form skinner owns.
  TControl* Control = nullptr;
  // Set: the painter replaces this window's procedure (a bare window, or a
  // toolkit control attached through its handle). Null: it goes in front
  // of Control's WindowProc.
  HWND Window = nullptr;
  // The painter sets the control's Color to the skin's face colour while
  // attached.
  bool PaintBackground = false;
  // Class-specific (the kinds say what it means); 0 by default.
  int Variant = 0;
};

// Creates a painter of Kind and attaches it to Target. Null when that
// painter class is not built, or when it could not be attached (it is
// freed then; nothing is thrown).
TSkinControl* MakePainter(TPainterKind Kind, const TPainterTarget& Target);
// The class name of the painter of Kind ("TSkinButton").
const char* PainterClassName(TPainterKind Kind);
// Whether MakePainter can create painters of Kind.
bool PainterBuilt(TPainterKind Kind);
