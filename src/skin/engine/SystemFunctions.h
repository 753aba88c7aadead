#pragma once
// System functions the engine uses only where the system has them, looked
// up once in "user32.dll".

#include <windows.h>

namespace SystemFunctions {

bool HasScrollBarInfo();
bool HasTrackMouseEvent();
// GetScrollBarInfo; false where the system lacks it.
bool ScrollBarInfo(HWND Handle, LONG ObjectId, SCROLLBARINFO& Info);
// Asks for a WM_MOUSELEAVE for the window; nothing where the system lacks
// TrackMouseEvent.
void TrackLeave(HWND Handle);

}  // namespace SystemFunctions

namespace SystemFunctions {

// The system's caption font (from the non-client metrics).
LOGFONTA CaptionLogFont();

}  // namespace SystemFunctions
