// Program entry point.
#include <windows.h>

#include <string>

#include "app/MainForm.h"
#include "app/SkinSwitch.h"
#include "app/portable/CommandLine.h"
#include "app/preview/PreviewForm.h"
#include "skin/archive/SkinMessages.h"
#include "skin/engine/SkinData.h"
#include "toolkit/Application.h"
#include "toolkit/portable/TextUtil.h"

namespace {

// "/skin" on the command line, applied to the skin component of the main
// window; what is wrong with the skin named is said in one message.
void ApplySkinOption(const TCommandLine& Options, TSkinData* Data) {
  if (!Data || !Options.HasSkin()) return;
  const std::string message = ApplySkinSwitch(*Data, Options.Skin());
  if (!message.empty())
    Application->MessageBox(message, Application->GetTitle(), MB_OK | MB_ICONWARNING);
}

// The preview shows the program's own skin unless "/skin" names another
// (or none), and says in its status bar which one it shows.
void StartPreview(const TCommandLine& Options) {
  TPreviewForm* preview = nullptr;
  Application->CreateForm(preview);
  if (!preview || !preview->SkinData1) return;
  if (Options.HasSkin() && SameText(Options.Skin(), "none")) {
    preview->ShowNoSkin();
    return;
  }
  preview->ShowOwnSkin();
  if (Options.HasSkin()) preview->OpenSkin(Options.Skin());
}

}  // namespace

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
    StartPreview(options);
  } else {
    TForm1* form = nullptr;
    Application->CreateForm(form);
    if (form) ApplySkinOption(options, form->SkinData1);
  }
  Application->Run();
  return 0;
}
