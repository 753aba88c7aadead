#pragma once
// The skin preview window: every kind of control the toolkit has, in the
// states a skin draws differently (normal, focused, disabled, checked,
// indeterminate, pressed, read-only), with menus, dialogs and an MDI
// window, so that a skin author can judge a skin as a whole.

#include <string>
#include <vector>

#include "shell/ShellComboBox.h"
#include "shell/ShellListView.h"
#include "shell/ShellTreeView.h"
#include "toolkit/Button.h"
#include "toolkit/CustomComboBox.h"
#include "toolkit/CustomListBox.h"
#include "toolkit/CustomMemo.h"
#include "toolkit/FolderDialog.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "toolkit/LabeledEdit.h"
#include "toolkit/ListView.h"
#include "toolkit/Menu.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/PageControl.h"
#include "toolkit/SaveDialog.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/StatusBar.h"
#include "toolkit/Timer.h"
#include "toolkit/ToolBar.h"
#include "toolkit/TreeView.h"

class TPreviewMDIForm;
class TSkinData;

class TPreviewForm : public TForm {
  FW_CLASS(TPreviewForm)
 public:
  using TForm::TForm;

  TToolBar* ToolBar1 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TPageControl* PageControl1 = nullptr;
  TListView* ListView1 = nullptr;
  TMemo* Memo1 = nullptr;
  TListBox* ListBox1 = nullptr;
  TSpeedButton* CutSpeed = nullptr;
  TSpeedButton* CopySpeed = nullptr;
  TSpeedButton* PasteSpeed = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TImageList* MenuImages = nullptr;
  TSaveDialog* SaveDialog1 = nullptr;
  TOpenDialog* OpenSkinDialog = nullptr;
  TFolderDialog* SkinFolderDialog = nullptr;
  TMenuItem* SkinProblems1 = nullptr;
  // Skins the window: with the program's own skin unless the command line
  // names another or none.
  TSkinData* SkinData1 = nullptr;
  TButton* SaveDialogButton = nullptr;
  TButton* MessageBoxButton = nullptr;
  TButton* MDIWindowButton = nullptr;
  TTreeView* TreeView1 = nullptr;
  // The shell page: a combo box, a folder tree and a list, linked.
  TVintoShellComboBox* ShellComboBox1 = nullptr;
  TVintoShellTreeView* ShellTreeView1 = nullptr;
  TVintoShellListView* ShellListView1 = nullptr;
  TStatusBar* ShellStatusBar = nullptr;
  TTimer* ShellStatusTimer = nullptr;
  TMenuItem* LargeIcons1 = nullptr;
  TMenuItem* SmallIcons1 = nullptr;
  TMenuItem* List1 = nullptr;
  TMenuItem* Details1 = nullptr;

  // The skin shown. Each says in the status bar which skin is shown and,
  // for a skin with faults, what the reader found wrong.
  //
  // The program's own skin, or none (the system's own look).
  void ShowOwnSkin();
  void ShowNoSkin();
  // The skin packed in the file or unpacked in the folder Path. A source
  // that cannot be used changes nothing and gives one message; false then.
  bool OpenSkin(const std::string& Path);
  // Reads the skin shown again from where it came and applies it to every
  // window it skins at once. A source that cannot be read now leaves the
  // skin shown in place, and the status bar says why: an author saving
  // often meets that, and is not stopped by a box each time.
  void ReloadSkin();
  // Where the skin shown comes from: empty for the program's own.
  const std::string& SkinPath() const { return FSkinPath; }

  // The MDI window while it is open.
  TPreviewMDIForm* MDIWindow() const { return FMDIWindow; }

  void FormCreate(TObject* Sender);
  void SaveDialogClick(TObject* Sender);
  void MessageBoxClick(TObject* Sender);
  void MDIWindowClick(TObject* Sender);
  void ExitClick(TObject* Sender);
  void OpenSkinClick(TObject* Sender);
  void OpenSkinFolderClick(TObject* Sender);
  void ReloadClick(TObject* Sender);
  void SkinProblemsClick(TObject* Sender);
  // A colour swatch and the colour's name, for the owner-drawn lists.
  void SwatchDrawItem(TWinControl* Control, int Index, const RECT& Rect, TOwnerDrawState State);
  void ShellListBeforePopulate(TObject* Sender);
  void ShellListAfterPopulate(TObject* Sender);
  void ShellListSelectionChanged(TObject* Sender);
  void ShellStatusTimerTick(TObject* Sender);
  void ShellViewStyleClick(TObject* Sender);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void FillTree();
  void FillList();
  void FillText();
  void UpdateShellStatus();
  // Fills the status bar's skin panels; Note, when given, stands in the
  // last panel instead of the findings.
  void ShowSkinState(const std::string& Note = {});
  // The skin shown, in a few words ("Fernwick's own skin", "Autumn.skn").
  std::string ShownSkin() const;
  // What the reader found wrong in the skin shown, in one line.
  std::string SkinProblemsSummary() const;

  TPreviewMDIForm* FMDIWindow = nullptr;
  std::string FSkinPath;
};
