#pragma once
// The preview's MDI window: an MDI parent with a window menu and three
// document children, so that a skin's MDI frames, child title bars and
// child buttons can be seen.

#include "toolkit/Form.h"
#include "toolkit/Menu.h"

class TPreviewMDIForm : public TForm {
  FW_CLASS(TPreviewMDIForm)
 public:
  using TForm::TForm;

  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* Window1 = nullptr;

  // Adds a document child with the next number.
  void AddDocument();

  void FormCreate(TObject* Sender);
  // The window is freed when it closes.
  void FormClose(TObject* Sender, TCloseAction& Action);
  void NewClick(TObject* Sender);
  void CloseClick(TObject* Sender);
  void TileClick(TObject* Sender);
  void CascadeClick(TObject* Sender);
  void ArrangeClick(TObject* Sender);
  // F5 here, as in the preview: its skin is read again for every window.
  void ReloadSkinClick(TObject* Sender);

 private:
  int FDocuments = 0;
};

class TPreviewDocument : public TForm {
  FW_CLASS(TPreviewDocument)
 public:
  using TForm::TForm;
};
