// Program entry point.
#include <windows.h>

#include <string>

#include "app/MainForm.h"
#include "app/portable/CommandLine.h"
#include "app/preview/PreviewForm.h"
#include "skin/archive/SkinMessages.h"
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
  if (options.Preview()) {
    TPreviewForm* preview = nullptr;
    Application->CreateForm(preview);
  } else {
    TForm1* form = nullptr;
    Application->CreateForm(form);
  }
  Application->Run();
  return 0;
}
