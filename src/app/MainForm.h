#pragma once
// The program's main window: two folder panes headed "Copy From" and
// "Copy To", an address field above each that re-roots its pane at a
// network computer, the button that writes the copy batch file, and the
// link to the vendor's web site.

#include <string>

#include "shell/ShellTreeView.h"
#include "toolkit/Bevel.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/LabeledEdit.h"
#include "toolkit/SaveDialog.h"
#include "widgets/URLLabel.h"

class TSkinData;

class TForm1 : public TForm {
  FW_CLASS(TForm1)
 public:
  using TForm::TForm;

  TVintoShellTreeView* VintoShellTreeView1 = nullptr;
  TVintoShellTreeView* VintoShellTreeView2 = nullptr;
  TLabeledEdit* LabeledEdit1 = nullptr;
  TButton* Button1 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TSaveDialog* SaveDialog1 = nullptr;
  TSkinData* SkinData1 = nullptr;
  TLabeledEdit* LabeledEdit2 = nullptr;
  TURLLabel* URLLabel1 = nullptr;
  TBevel* Bevel1 = nullptr;

  void FormShow(TObject* Sender);
  void LabeledEdit1KeyPress(TObject* Sender, char& Key);
  void LabeledEdit2KeyPress(TObject* Sender, char& Key);
  void LabeledEdit1KeyUp(TObject* Sender, WORD& Key, TShiftState Shift);
  void LabeledEdit2KeyUp(TObject* Sender, WORD& Key, TShiftState Shift);
  void Button1Click(TObject* Sender);
  void URLLabel1Click(TObject* Sender);

 private:
  // Builds the two lines, asks for the file name and writes the file.
  void CreateBatchFile();
  static void DiscardPathSeparator(char& Key);
  static void RootAtComputer(TVintoShellTreeView* Pane, WORD Key, const std::string& Address);
};
