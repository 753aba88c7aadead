#include "app/preview/PreviewForm.h"

#include "app/preview/PreviewGlyphs.h"
#include "app/preview/PreviewMDIForm.h"
#include "toolkit/Application.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TPreviewForm::StaticClass() {
  using F = TPreviewForm;
  static const TClassInfo info = TClassBuilder<F>("TPreviewForm", &TForm::StaticClass())
                                     .Field("MainMenu1", &F::MainMenu1)
                                     .Field("PopupMenu1", &F::PopupMenu1)
                                     .Field("MenuImages", &F::MenuImages)
                                     .Field("SaveDialog1", &F::SaveDialog1)
                                     .Field("SaveDialogButton", &F::SaveDialogButton)
                                     .Field("MessageBoxButton", &F::MessageBoxButton)
                                     .Field("MDIWindowButton", &F::MDIWindowButton)
                                     .Field("TreeView1", &F::TreeView1)
                                     .Field("NormalEdit", &F::NormalEdit)
                                     .Field("ReadOnlyEdit", &F::ReadOnlyEdit)
                                     .Field("DisabledEdit", &F::DisabledEdit)
                                     .Method("FormCreate", &F::FormCreate)
                                     .Method("SaveDialogClick", &F::SaveDialogClick)
                                     .Method("MessageBoxClick", &F::MessageBoxClick)
                                     .Method("MDIWindowClick", &F::MDIWindowClick)
                                     .Method("ExitClick", &F::ExitClick)
                                     .Info();
  return info;
}
FW_REGISTER_CLASS(TPreviewForm);

void TPreviewForm::FormCreate(TObject*) {
  PreviewGlyphs::AddTo(*MenuImages);
  FillTree();
}

void TPreviewForm::FillTree() {
  TTreeNodes& nodes = TreeView1->Items();
  TTreeNode* skin = nodes.Add("Skin");
  TTreeNode* frame = nodes.AddChild(skin, "Frame");
  for (const char* part : {"Title bar", "Borders", "Title buttons"}) nodes.AddChild(frame, part);
  TTreeNode* controls = nodes.AddChild(skin, "Controls");
  for (const char* part : {"Buttons", "Check boxes", "Scroll bars", "Tabs"})
    nodes.AddChild(controls, part);
  nodes.AddChild(skin, "Menus");
  frame->Expand(false);
  controls->Expand(false);
  TreeView1->SetSelected(frame);
}

void TPreviewForm::SaveDialogClick(TObject*) {
  SaveDialog1->Execute();
}

void TPreviewForm::MessageBoxClick(TObject*) {
  Application->MessageBox("This is how the skin draws a message box.\n\nDo you like it?",
                          "Skin preview", MB_YESNOCANCEL | MB_ICONQUESTION);
}

void TPreviewForm::MDIWindowClick(TObject*) {
  if (!FMDIWindow) {
    auto* window = new TPreviewMDIForm(this);
    try {
      window->LoadFromResource(Application->ResourceModule());
    } catch (...) {
      delete window;
      throw;
    }
    FMDIWindow = window;
    FMDIWindow->FreeNotification(this);
  }
  FMDIWindow->Show();
}

void TPreviewForm::ExitClick(TObject*) {
  Close();
}

void TPreviewForm::Notification(TComponent* AComponent, TOperation Operation) {
  TForm::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FMDIWindow) FMDIWindow = nullptr;
}
