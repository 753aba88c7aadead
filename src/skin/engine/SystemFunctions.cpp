#include "skin/engine/SystemFunctions.h"

#include <cstddef>

namespace {

using TGetScrollBarInfo = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
using TTrackMouseEvent = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

// The library stays loaded while the process runs; the system frees it at
// exit.
struct TUser32Functions {
  HMODULE Library = LoadLibraryA("user32.dll");
  TGetScrollBarInfo GetScrollBarInfo =
      Library ? reinterpret_cast<TGetScrollBarInfo>(
                    reinterpret_cast<void*>(GetProcAddress(Library, "GetScrollBarInfo")))
              : nullptr;
  TTrackMouseEvent TrackMouseEvent =
      Library ? reinterpret_cast<TTrackMouseEvent>(
                    reinterpret_cast<void*>(GetProcAddress(Library, "TrackMouseEvent")))
              : nullptr;
};

const TUser32Functions& Functions() {
  static const TUser32Functions functions;
  return functions;
}

}  // namespace

namespace SystemFunctions {

bool HasScrollBarInfo() {
  return Functions().GetScrollBarInfo != nullptr;
}

bool HasTrackMouseEvent() {
  return Functions().TrackMouseEvent != nullptr;
}

bool ScrollBarInfo(HWND Handle, LONG ObjectId, SCROLLBARINFO& Info) {
  if (!Functions().GetScrollBarInfo) return false;
  return Functions().GetScrollBarInfo(Handle, ObjectId, &Info) != 0;
}

void TrackLeave(HWND Handle) {
  if (!Functions().TrackMouseEvent) return;
  TRACKMOUSEEVENT event{};
  // The structure's own size: 16 bytes only in 32-bit programs.
  event.cbSize = sizeof event;
  event.dwFlags = TME_LEAVE;
  event.hwndTrack = Handle;
  Functions().TrackMouseEvent(&event);
}

}  // namespace SystemFunctions

namespace SystemFunctions {

LOGFONTA CaptionLogFont() {
  NONCLIENTMETRICSA metrics{};
  // The size without the padded border width, which every system reads.
  metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
    LOGFONTA fallback{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof fallback, &fallback);
    return fallback;
  }
  return metrics.lfCaptionFont;
}

}  // namespace SystemFunctions
