#pragma once

#include <windows.h>

#include "toolkit/GdiHandle.h"

// The screen's menu font, regular or bold.
TFontHandle CreateMenuFont(bool Bold = false);
