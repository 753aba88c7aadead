#pragma once
// Recognition of windows the toolkit did not create (the children of
// system dialogs and message boxes, size grips created later): a painter is
// chosen by the window's class name, compared without case, and its style.

#include <windows.h>

#include "skin/recognition/PainterKind.h"

class TSkinData;
class TWinSkinForm;

enum class TWindowAction {
  waNothing,              // stays native
  waPainter,              // the chosen painter
  waPainterOnFirstChild,  // the chosen painter on the window's first child
  waChildrenThenPainter,  // the children are recognised, then the painter
  waChildrenAndColour,    // the children are recognised; the control takes the face colour
  waColour,               // the toolkit control takes the face colour
};

struct TWindowChoice {
  TWindowAction Action = TWindowAction::waNothing;
  TPainterKind Kind = TPainterKind::pkCount;
};

// What the rules do with a window of this class and style.
TWindowChoice ChooseWindowPainter(HWND Window, const TSkinData& Data);

class TWindowRecognition {
 public:
  explicit TWindowRecognition(TWinSkinForm& FormSkinner);

  // Every child of Parent (from GetTopWindow, then GW_HWNDNEXT) that has
  // WS_CHILD goes to SkinChildWindow.
  void SkinChildWindows(HWND Parent);
  // Chooses and attaches a painter for one window; nothing for a window
  // that already has a painter in the form skinner's list.
  void SkinChildWindow(HWND Window);

 private:
  void Attach(TPainterKind Kind, HWND Window);
  void ColourToolkitControl(HWND Window);

  TWinSkinForm& FFormSkinner;
  TSkinData& FSkinData;
};
