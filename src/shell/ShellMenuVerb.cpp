#include "shell/ShellMenuVerb.h"

#include "toolkit/GdiHandle.h"

namespace {

HRESULT InvokeAs(IContextMenu* Menu, const std::string& Verb) {
  CMINVOKECOMMANDINFO command{};
  command.cbSize = sizeof command;
  command.lpVerb = Verb.c_str();
  command.nShow = SW_SHOWNORMAL;
  return Menu->InvokeCommand(&command);
}

// The verb of the menu's command at Offset; empty when it has none.
std::string VerbAt(IContextMenu* Menu, UINT Offset) {
  char verb[MAX_PATH] = {};
  if (SUCCEEDED(Menu->GetCommandString(Offset, GCS_VERBA, nullptr, verb, sizeof verb)) && verb[0])
    return verb;
  WCHAR wide[MAX_PATH] = {};
  if (FAILED(Menu->GetCommandString(Offset, GCS_VERBW, nullptr, reinterpret_cast<CHAR*>(wide),
                                    MAX_PATH)) ||
      !wide[0])
    return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, verb, sizeof verb, nullptr, nullptr);
  return size > 0 ? std::string(verb) : std::string();
}

}  // namespace

std::string MenuSpellingOfVerb(IContextMenu* Menu, const std::string& Verb) {
  constexpr UINT kFirst = 1, kLast = 0x7FFF;
  TMenuHandle menu(CreatePopupMenu());
  if (!menu || FAILED(Menu->QueryContextMenu(menu.Get(), 0, kFirst, kLast, CMF_NORMAL)))
    return Verb;
  std::string other;
  const int count = GetMenuItemCount(menu.Get());
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(menu.Get(), i);
    if (id < kFirst || id > kLast) continue;  // separators and submenus
    const std::string listed = VerbAt(Menu, id - kFirst);
    if (listed == Verb) return Verb;
    if (other.empty() && !listed.empty() && lstrcmpiA(listed.c_str(), Verb.c_str()) == 0)
      other = listed;
  }
  return other.empty() ? Verb : other;
}

HRESULT InvokeMenuVerb(IContextMenu* Menu, const std::string& Verb) {
  return InvokeAs(Menu, MenuSpellingOfVerb(Menu, Verb));
}
