// Program entry point.
#include <windows.h>

#include "app/MainForm.h"
#include "toolkit/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application->Initialize();
  Application->SetTitle("Fernwick");
  TForm1* form = nullptr;
  Application->CreateForm(form);
  Application->Run();
  return 0;
}
