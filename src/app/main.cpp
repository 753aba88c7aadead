// Program entry point.
#include <windows.h>

#include <string>

#include "app/MainForm.h"
#include "app/SkinSwitch.h"
#include "app/portable/CommandLine.h"
#include "skin/archive/SkinMessages.h"
#include "skin/engine/SkinData.h"
#include "toolkit/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application->Initialize();
  Application->SetTitle("Fernwick");
  TCommandLine options;
  try {
    options = TCommandLine::Parse(GetCommandLineA());
  } catch (const ECommandLineError& e) {
    Application->MessageBox(e.what(), Application->GetTitle(), MB_OK | MB_ICONSTOP);
    return 2;
  }
  // A skin the program cannot read is reported while the form is read.
  SkinMessages::SetHandler([](const std::string& Text) {
    Application->MessageBox(Text, Application->GetTitle(), MB_OK | MB_ICONWARNING);
  });
  TForm1* form = nullptr;
  Application->CreateForm(form);
  if (form && form->SkinData1 && options.HasSkin()) {
    const std::string message = ApplySkinSwitch(*form->SkinData1, options.Skin());
    if (!message.empty())
      Application->MessageBox(message, Application->GetTitle(), MB_OK | MB_ICONWARNING);
  }
  Application->Run();
  return 0;
}
