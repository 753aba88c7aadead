#include "toolkit/ControlTypes.h"

#include "toolkit/portable/TextUtil.h"

namespace {
struct TCursorName {
  int Value;
  const char* Name;
  LPCSTR Resource;
};
const TCursorName kCursors[] = {
    {crDefault, "crDefault", nullptr},      {crArrow, "crArrow", IDC_ARROW},
    {crIBeam, "crIBeam", IDC_IBEAM},        {crHourGlass, "crHourGlass", IDC_WAIT},
    {crHandPoint, "crHandPoint", IDC_HAND}, {crAppStart, "crAppStart", IDC_APPSTARTING},
};
}  // namespace

std::optional<int> CursorFromIdent(std::string_view Ident) {
  for (const auto& c : kCursors)
    if (SameText(c.Name, Ident)) return c.Value;
  return std::nullopt;
}

HCURSOR CursorHandle(int Cursor) {
  for (const auto& c : kCursors)
    if (c.Value == Cursor && c.Resource) return LoadCursorA(nullptr, c.Resource);
  return LoadCursorA(nullptr, IDC_ARROW);
}

TShiftState KeyboardShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState s;
  if (Keys & MK_SHIFT) s.Include(ssShift);
  if (Keys & MK_CONTROL) s.Include(ssCtrl);
  if (Keys & MK_LBUTTON) s.Include(ssLeft);
  if (Keys & MK_RBUTTON) s.Include(ssRight);
  if (Keys & MK_MBUTTON) s.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}
