// Program entry point.
#include <windows.h>

#include <string>

#include "app/MainForm.h"
#include "skin/archive/SkinMessages.h"
#include "toolkit/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application->Initialize();
  Application->SetTitle("Fernwick");
  // A skin the program cannot read is reported while the form is read.
  SkinMessages::SetHandler([](const std::string& Text) {
    Application->MessageBox(Text, Application->GetTitle(), MB_OK | MB_ICONWARNING);
  });
  TForm1* form = nullptr;
  Application->CreateForm(form);
  Application->Run();
  return 0;
}
