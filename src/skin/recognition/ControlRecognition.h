#pragma once
// Recognition of a skinned window's child controls: the rules that choose a
// painter for each child.
//
// No painter families exist yet, so these attach nothing: a skinned
// window's children keep their native look. They are called where the form
// skinner and the creation hook will attach painters.

#include <windows.h>

class TWinSkinForm;

// The children of a toolkit form.
void SkinFormControls(TWinSkinForm& FormSkinner);
// The children of a window without a toolkit form.
void SkinChildWindows(TWinSkinForm& FormSkinner);
// One child window (a size grip created after activation).
void SkinChildWindow(TWinSkinForm& FormSkinner, HWND Child);
