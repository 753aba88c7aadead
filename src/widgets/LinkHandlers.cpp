#include "widgets/LinkHandlers.h"

#include <windows.h>

#include <string>

namespace {

class TRegistryKey {
 public:
  // Opens Path under the class registry for reading; never creates it.
  explicit TRegistryKey(const std::string& Path) {
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, Path.c_str(), 0, KEY_QUERY_VALUE, &Key) != ERROR_SUCCESS)
      Key = nullptr;
  }
  ~TRegistryKey() {
    if (Key) RegCloseKey(Key);
  }
  TRegistryKey(const TRegistryKey&) = delete;
  TRegistryKey& operator=(const TRegistryKey&) = delete;

  bool IsOpen() const { return Key != nullptr; }

  // The key's default value as text; empty when absent or not text.
  std::string DefaultValue() const {
    if (!Key) return {};
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(Key, nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0)
      return {};
    std::string value(size, '\0');
    if (RegQueryValueExA(Key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                         &size) != ERROR_SUCCESS)
      return {};
    value.resize(std::min<size_t>(size, value.size()));
    // The stored text may or may not carry its terminator.
    if (size_t end = value.find('\0'); end != std::string::npos) value.resize(end);
    return value;
  }

 private:
  HKEY Key = nullptr;
};

bool HasOpenCommand(const std::string& Extension) {
  TRegistryKey extension(Extension);
  if (!extension.IsOpen()) return false;
  std::string className = extension.DefaultValue();
  if (className.empty()) className = Extension;
  return !TRegistryKey(className + "\\shell\\open\\command").DefaultValue().empty();
}

}  // namespace

bool HasWebPageHandler() {
  return HasOpenCommand(".html") && HasOpenCommand(".htm");
}

bool HasMailHandler() {
  HMODULE library = LoadLibraryA("MAPI32.DLL");
  if (reinterpret_cast<UINT_PTR>(library) <= 32) return false;
  FreeLibrary(library);
  return true;
}
