#include "skin/recognition/ControlRecognition.h"

void SkinFormControls(TWinSkinForm&) {}
void SkinChildWindows(TWinSkinForm&) {}
void SkinChildWindow(TWinSkinForm&, HWND) {}
