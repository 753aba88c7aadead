#include "toolkit/portable/ShortCut.h"

#include <array>
#include <utility>

#include "toolkit/portable/TextUtil.h"

namespace {

struct TKeyName {
  int Key;
  const char* Name;
};

// Virtual-key codes of the named keys other than letters, digits and F-keys.
constexpr std::array<TKeyName, 17> kKeyNames{{{0x08, "BkSp"},
                                              {0x09, "Tab"},
                                              {0x0D, "Enter"},
                                              {0x1B, "Esc"},
                                              {0x20, "Space"},
                                              {0x21, "PgUp"},
                                              {0x22, "PgDn"},
                                              {0x23, "End"},
                                              {0x24, "Home"},
                                              {0x25, "Left"},
                                              {0x26, "Up"},
                                              {0x27, "Right"},
                                              {0x28, "Down"},
                                              {0x2D, "Ins"},
                                              {0x2E, "Del"},
                                              {0x6B, "Num +"},
                                              {0x6D, "Num -"}}};

constexpr int kF1 = 0x70;
constexpr int kF24 = 0x87;

std::string KeyName(int Key) {
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return std::string(1, char(Key));
  if (Key >= kF1 && Key <= kF24) return "F" + std::to_string(Key - kF1 + 1);
  for (const auto& k : kKeyNames)
    if (k.Key == Key) return k.Name;
  return {};
}

int KeyFromName(std::string_view Name) {
  if (Name.size() == 1) {
    char c = Name[0];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return c;
  }
  for (int key = kF1; key <= kF24; ++key)
    if (SameText(Name, KeyName(key))) return key;
  for (const auto& k : kKeyNames)
    if (SameText(Name, k.Name)) return k.Key;
  return 0;
}

constexpr std::array<std::pair<TShortCut, const char*>, 3> kModifiers{
    {{scCtrl, "Ctrl+"}, {scShift, "Shift+"}, {scAlt, "Alt+"}}};

}  // namespace

std::string ShortCutToText(TShortCut ShortCut) {
  std::string key = KeyName(ShortCut & 0xFF);
  if (key.empty()) return {};
  std::string text;
  for (const auto& [flag, prefix] : kModifiers)
    if (ShortCut & flag) text += prefix;
  return text + key;
}

TShortCut TextToShortCut(std::string_view Text) {
  TShortCut modifiers = 0;
  for (bool found = true; found;) {
    found = false;
    for (const auto& [flag, prefix] : kModifiers) {
      std::string_view p(prefix);
      if (Text.size() > p.size() && SameText(Text.substr(0, p.size()), p)) {
        modifiers |= flag;
        Text.remove_prefix(p.size());
        found = true;
      }
    }
  }
  int key = KeyFromName(Text);
  return key ? key | modifiers : 0;
}
