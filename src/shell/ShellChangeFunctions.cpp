#include "shell/ShellChangeFunctions.h"

namespace {

class TShellLibrary {
 public:
  TShellLibrary() : FModule(LoadLibraryA("SHELL32.DLL")) {
    if (!FModule) return;
    FFunctions.Register = reinterpret_cast<TShellChangeFunctions::TRegister>(
        reinterpret_cast<void*>(GetProcAddress(FModule, MAKEINTRESOURCEA(2))));
    FFunctions.Deregister = reinterpret_cast<TShellChangeFunctions::TDeregister>(
        reinterpret_cast<void*>(GetProcAddress(FModule, MAKEINTRESOURCEA(4))));
  }
  ~TShellLibrary() {
    if (FModule) FreeLibrary(FModule);
  }
  const TShellChangeFunctions& Functions() const { return FFunctions; }

 private:
  HMODULE FModule;
  TShellChangeFunctions FFunctions;
};

}  // namespace

const TShellChangeFunctions& TShellChangeFunctions::System() {
  static TShellLibrary library;
  return library.Functions();
}
