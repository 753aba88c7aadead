#pragma once
// Owning wrappers for GDI and USER handles: each handle is deleted exactly
// once, by its owner.

#include <windows.h>

#include <utility>

template <class H, BOOL(WINAPI* Free)(H)>
class TOwnedHandle {
 public:
  TOwnedHandle() = default;
  explicit TOwnedHandle(H Handle) : Value(Handle) {}
  ~TOwnedHandle() { Reset(); }
  TOwnedHandle(TOwnedHandle&& Other) noexcept : Value(std::exchange(Other.Value, nullptr)) {}
  TOwnedHandle& operator=(TOwnedHandle&& Other) noexcept {
    if (this != &Other) Reset(std::exchange(Other.Value, nullptr));
    return *this;
  }
  TOwnedHandle(const TOwnedHandle&) = delete;
  TOwnedHandle& operator=(const TOwnedHandle&) = delete;

  H Get() const { return Value; }
  explicit operator bool() const { return Value != nullptr; }
  void Reset(H Handle = nullptr) {
    if (Value) Free(Value);
    Value = Handle;
  }
  H Release() { return std::exchange(Value, nullptr); }

 private:
  H Value = nullptr;
};

inline BOOL WINAPI DeleteGdiObject(HGDIOBJ Object) {
  return DeleteObject(Object);
}
template <class H>
inline BOOL WINAPI DeleteTypedGdiObject(H Object) {
  return DeleteObject(Object);
}

using TFontHandle = TOwnedHandle<HFONT, DeleteTypedGdiObject<HFONT>>;
using TBrushHandle = TOwnedHandle<HBRUSH, DeleteTypedGdiObject<HBRUSH>>;
using TPenHandle = TOwnedHandle<HPEN, DeleteTypedGdiObject<HPEN>>;
using TBitmapHandle = TOwnedHandle<HBITMAP, DeleteTypedGdiObject<HBITMAP>>;
using TRegionHandle = TOwnedHandle<HRGN, DeleteTypedGdiObject<HRGN>>;
using TDCHandle = TOwnedHandle<HDC, DeleteDC>;
using TIconHandle = TOwnedHandle<HICON, DestroyIcon>;
using TMenuHandle = TOwnedHandle<HMENU, DestroyMenu>;

// Converts a colour value (negative: system colour) to a COLORREF.
inline COLORREF ColorToRGB(int Color) {
  if (Color < 0) return GetSysColor(Color & 0xFF);
  return static_cast<COLORREF>(Color & 0xFFFFFF);
}
