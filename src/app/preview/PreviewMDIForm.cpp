#include "app/preview/PreviewMDIForm.h"

#include <string>

#include "app/preview/PreviewForm.h"
#include "toolkit/Application.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TPreviewMDIForm::StaticClass() {
  using F = TPreviewMDIForm;
  static const TClassInfo info = TClassBuilder<F>("TPreviewMDIForm", &TForm::StaticClass())
                                     .Field("MainMenu1", &F::MainMenu1)
                                     .Field("Window1", &F::Window1)
                                     .Method("FormCreate", &F::FormCreate)
                                     .Method("FormClose", &F::FormClose)
                                     .Method("NewClick", &F::NewClick)
                                     .Method("CloseClick", &F::CloseClick)
                                     .Method("TileClick", &F::TileClick)
                                     .Method("CascadeClick", &F::CascadeClick)
                                     .Method("ArrangeClick", &F::ArrangeClick)
                                     .Method("ReloadSkinClick", &F::ReloadSkinClick)
                                     .Info();
  return info;
}
FW_REGISTER_CLASS(TPreviewMDIForm);

const TClassInfo& TPreviewDocument::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPreviewDocument>("TPreviewDocument", &TForm::StaticClass()).Info();
  return info;
}
FW_REGISTER_CLASS(TPreviewDocument);

void TPreviewMDIForm::FormCreate(TObject*) {
  for (int i = 0; i < 3; ++i) AddDocument();
}

void TPreviewMDIForm::FormClose(TObject*, TCloseAction& Action) {
  Action = caFree;
}

void TPreviewMDIForm::AddDocument() {
  auto* document = new TPreviewDocument(this);
  try {
    document->LoadFromResource(Application->ResourceModule());
  } catch (...) {
    delete document;
    throw;
  }
  document->SetText("Document " + std::to_string(++FDocuments));
}

void TPreviewMDIForm::NewClick(TObject*) {
  AddDocument();
}

void TPreviewMDIForm::CloseClick(TObject*) {
  if (TCustomForm* child = ActiveMDIChild()) child->Close();
}

void TPreviewMDIForm::TileClick(TObject*) {
  Tile();
}

void TPreviewMDIForm::CascadeClick(TObject*) {
  Cascade();
}

void TPreviewMDIForm::ArrangeClick(TObject*) {
  ArrangeIcons();
}

void TPreviewMDIForm::ReloadSkinClick(TObject*) {
  if (auto* preview = dynamic_cast<TPreviewForm*>(Owner())) preview->ReloadSkin();
}
