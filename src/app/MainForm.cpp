#include "app/MainForm.h"

#include <windows.h>

#include "app/BatchFileWriter.h"
#include "app/BatchFolderPath.h"
#include "app/portable/BatchText.h"
#include "app/portable/Vendor.h"
#include "skin/engine/SkinData.h"
#include "toolkit/Application.h"
#include "toolkit/portable/ClassBuilder.h"
#include "widgets/ShellOpen.h"

const TClassInfo& TForm1::StaticClass() {
  using F = TForm1;
  static const TClassInfo info = TClassBuilder<F>("TForm1", &TForm::StaticClass())
                                     .Field("VintoShellTreeView1", &F::VintoShellTreeView1)
                                     .Field("VintoShellTreeView2", &F::VintoShellTreeView2)
                                     .Field("LabeledEdit1", &F::LabeledEdit1)
                                     .Field("Button1", &F::Button1)
                                     .Field("Label1", &F::Label1)
                                     .Field("Label2", &F::Label2)
                                     .Field("SaveDialog1", &F::SaveDialog1)
                                     .Field("SkinData1", &F::SkinData1)
                                     .Field("LabeledEdit2", &F::LabeledEdit2)
                                     .Field("URLLabel1", &F::URLLabel1)
                                     .Field("Bevel1", &F::Bevel1)
                                     .Method("FormShow", &F::FormShow)
                                     .Method("LabeledEdit1KeyPress", &F::LabeledEdit1KeyPress)
                                     .Method("LabeledEdit2KeyPress", &F::LabeledEdit2KeyPress)
                                     .Method("LabeledEdit1KeyUp", &F::LabeledEdit1KeyUp)
                                     .Method("LabeledEdit2KeyUp", &F::LabeledEdit2KeyUp)
                                     .Method("Button1Click", &F::Button1Click)
                                     .Method("URLLabel1Click", &F::URLLabel1Click)
                                     .Info();
  return info;
}
FW_REGISTER_CLASS(TForm1);

namespace {

bool IsLeadByte(unsigned char Byte) {
  return IsDBCSLeadByte(Byte) != 0;
}

}  // namespace

void TForm1::FormShow(TObject*) {
  LabeledEdit1->SetFocus();
}

// A typed separator would only make the address a path; pasted text is not
// filtered.
void TForm1::DiscardPathSeparator(char& Key) {
  if (Key == '/' || Key == '\\') Key = '\0';
}

void TForm1::LabeledEdit1KeyPress(TObject*, char& Key) {
  DiscardPathSeparator(Key);
}

void TForm1::LabeledEdit2KeyPress(TObject*, char& Key) {
  DiscardPathSeparator(Key);
}

void TForm1::RootAtComputer(TVintoShellTreeView* Pane, WORD Key, const std::string& Address) {
  if (Key == VK_RETURN) Pane->SetRootFolder("\\\\" + Address);
}

void TForm1::LabeledEdit1KeyUp(TObject*, WORD& Key, TShiftState) {
  RootAtComputer(VintoShellTreeView1, Key, LabeledEdit1->GetText());
}

void TForm1::LabeledEdit2KeyUp(TObject*, WORD& Key, TShiftState) {
  RootAtComputer(VintoShellTreeView2, Key, LabeledEdit2->GetText());
}

void TForm1::Button1Click(TObject*) {
  Button1->SetEnabled(false);
  try {
    CreateBatchFile();
  } catch (...) {
    Application->HandleException(this);
  }
  Button1->SetEnabled(true);
}

void TForm1::CreateBatchFile() {
  // A pane without a selected node (an empty tree) gives nothing to copy.
  if (!VintoShellTreeView1->GetSelected() || !VintoShellTreeView2->GetSelected()) return;
  const std::string source =
      BatchFolderPath(VintoShellTreeView1->SelectedIDList(), Label1->GetText());
  const std::string dest =
      BatchFolderPath(VintoShellTreeView2->SelectedIDList(), Label2->GetText());
  const BatchText::TCopyLines lines = BatchText::BuildCopyLines(source, dest, IsLeadByte);
  if (!SaveDialog1->Execute()) return;
  TBatchFileWriter::Write(SaveDialog1->GetFileName(), BatchText::FileContents(lines));
}

// The label's own opening never fires here (its scheme is never checked for
// a handler), so this is the one page a click opens.
void TForm1::URLLabel1Click(TObject*) {
  ShellOpen(std::string(kVendorWebAddress));
}
