#include "app/preview/PreviewForm.h"

#include <iterator>
#include <string>
#include <utility>

#include "app/EmbeddedSkin.h"
#include "app/SkinMessageCapture.h"
#include "app/SkinSwitch.h"
#include "app/preview/PreviewGlyphs.h"
#include "app/preview/PreviewMDIForm.h"
#include "app/preview/ShellPageStatus.h"
#include "skin/engine/SkinData.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/portable/ColorNames.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/TextUtil.h"

const TClassInfo& TPreviewForm::StaticClass() {
  using F = TPreviewForm;
  static const TClassInfo info = TClassBuilder<F>("TPreviewForm", &TForm::StaticClass())
                                     .Field("ToolBar1", &F::ToolBar1)
                                     .Field("StatusBar1", &F::StatusBar1)
                                     .Field("PageControl1", &F::PageControl1)
                                     .Field("ListView1", &F::ListView1)
                                     .Field("Memo1", &F::Memo1)
                                     .Field("ListBox1", &F::ListBox1)
                                     .Field("CutSpeed", &F::CutSpeed)
                                     .Field("CopySpeed", &F::CopySpeed)
                                     .Field("PasteSpeed", &F::PasteSpeed)
                                     .Field("MainMenu1", &F::MainMenu1)
                                     .Field("PopupMenu1", &F::PopupMenu1)
                                     .Field("MenuImages", &F::MenuImages)
                                     .Field("SaveDialog1", &F::SaveDialog1)
                                     .Field("OpenSkinDialog", &F::OpenSkinDialog)
                                     .Field("SkinFolderDialog", &F::SkinFolderDialog)
                                     .Field("SkinProblems1", &F::SkinProblems1)
                                     .Field("SkinData1", &F::SkinData1)
                                     .Field("SaveDialogButton", &F::SaveDialogButton)
                                     .Field("MessageBoxButton", &F::MessageBoxButton)
                                     .Field("MDIWindowButton", &F::MDIWindowButton)
                                     .Field("TreeView1", &F::TreeView1)
                                     .Field("ShellComboBox1", &F::ShellComboBox1)
                                     .Field("ShellTreeView1", &F::ShellTreeView1)
                                     .Field("ShellListView1", &F::ShellListView1)
                                     .Field("ShellStatusBar", &F::ShellStatusBar)
                                     .Field("ShellStatusTimer", &F::ShellStatusTimer)
                                     .Field("LargeIcons1", &F::LargeIcons1)
                                     .Field("SmallIcons1", &F::SmallIcons1)
                                     .Field("List1", &F::List1)
                                     .Field("Details1", &F::Details1)
                                     .Method("FormCreate", &F::FormCreate)
                                     .Method("SaveDialogClick", &F::SaveDialogClick)
                                     .Method("MessageBoxClick", &F::MessageBoxClick)
                                     .Method("MDIWindowClick", &F::MDIWindowClick)
                                     .Method("ExitClick", &F::ExitClick)
                                     .Method("OpenSkinClick", &F::OpenSkinClick)
                                     .Method("OpenSkinFolderClick", &F::OpenSkinFolderClick)
                                     .Method("ReloadClick", &F::ReloadClick)
                                     .Method("SkinProblemsClick", &F::SkinProblemsClick)
                                     .Method("SwatchDrawItem", &F::SwatchDrawItem)
                                     .Method("ShellListBeforePopulate", &F::ShellListBeforePopulate)
                                     .Method("ShellListAfterPopulate", &F::ShellListAfterPopulate)
                                     .Method("ShellListSelectionChanged",
                                             &F::ShellListSelectionChanged)
                                     .Method("ShellStatusTimerTick", &F::ShellStatusTimerTick)
                                     .Method("ShellViewStyleClick", &F::ShellViewStyleClick)
                                     .Info();
  return info;
}
FW_REGISTER_CLASS(TPreviewForm);

void TPreviewForm::FormCreate(TObject*) {
  PreviewGlyphs::AddTo(*MenuImages);
  FillTree();
  FillList();
  FillText();
  const std::pair<TSpeedButton*, PreviewGlyphs::TGlyph> glyphs[] = {
      {CutSpeed, PreviewGlyphs::gCut},
      {CopySpeed, PreviewGlyphs::gCopy},
      {PasteSpeed, PreviewGlyphs::gPaste}};
  for (const auto& [button, glyph] : glyphs) {
    TBitmap bitmap;
    PreviewGlyphs::DrawGlyph(bitmap, glyph);
    button->SetGlyph(&bitmap);
  }
}

// Enough text that the memo and the list box scroll both ways.
void TPreviewForm::FillText() {
  TStrings& lines = *Memo1->GetLines();
  lines.Add("A memo with more lines than it can show,");
  lines.Add(
      "and lines far longer than it is wide, so that both of its scroll bars have "
      "something to do.");
  for (int i = 1; i <= 12; ++i)
    lines.Add("Line " + std::to_string(i) + " of the memo's text, with a few words more.");
  TStrings& items = *ListBox1->GetItems();
  const char* const names[] = {"Autumn", "Harbour", "Slate",  "Sunset", "Winter",
                               "Meadow", "Granite", "Copper", "Linen",  "Midnight",
                               "Pebble", "Saffron", "Willow", "Ember",  "Glacier"};
  for (const char* name : names)
    items.Add(std::string(name) + ".skn - a skin whose name and description run past the edge");
  ListBox1->SetItemIndex(2);
}

void TPreviewForm::FillTree() {
  TTreeNodes& nodes = TreeView1->Items();
  auto add = [&](TTreeNode* Parent, const char* Text, bool Folder) {
    TTreeNodes::TNodeLook look;
    look.ImageIndex = look.SelectedIndex = Folder ? PreviewGlyphs::gOpen : PreviewGlyphs::gNew;
    return nodes.AddChild(Parent, Text, nullptr, look);
  };
  TTreeNode* skin = add(nullptr, "Skin", true);
  TTreeNode* frame = add(skin, "Frame", true);
  for (const char* part : {"Title bar", "Borders", "Title buttons"}) add(frame, part, false);
  TTreeNode* controls = add(skin, "Controls", true);
  for (const char* part : {"Buttons", "Check boxes", "Scroll bars", "Tabs"})
    add(controls, part, false);
  TTreeNode* menus = add(skin, "Menus", true);
  for (const char* part : {"Menu bar", "Pop-up menus"}) add(menus, part, false);
  skin->Expand(false);
  frame->Expand(false);
  controls->Expand(false);
  TreeView1->SetSelected(frame);
}

void TPreviewForm::FillList() {
  struct TRow {
    const char* Name;
    const char* Kind;
    const char* Size;
    int Image;
  };
  const TRow rows[] = {
      {"Autumn.skn", "Skin", "84 KB", PreviewGlyphs::gSave},
      {"Harbour.skn", "Skin", "112 KB", PreviewGlyphs::gSave},
      {"Notes.txt", "Text", "2 KB", PreviewGlyphs::gNew},
      {"Pictures", "Folder", "", PreviewGlyphs::gOpen},
      {"Slate.skn", "Skin", "67 KB", PreviewGlyphs::gSave},
      {"Templates", "Folder", "", PreviewGlyphs::gOpen},
      {"Readme.txt", "Text", "5 KB", PreviewGlyphs::gNew},
      {"Sunset.skn", "Skin", "91 KB", PreviewGlyphs::gSave},
      {"Winter.skn", "Skin", "103 KB", PreviewGlyphs::gSave},
  };
  for (const TRow& row : rows) {
    TListItem* item = ListView1->Items().Add(row.Name);
    item->AddSubItem(row.Kind);
    item->AddSubItem(row.Size);
    item->SetImageIndex(row.Image);
  }
  ListView1->Items().Item(1)->SetSelected(true);
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

void TPreviewForm::SwatchDrawItem(TWinControl* Control, int Index, const RECT& Rect,
                                  TOwnerDrawState State) {
  // The colours of the items of SwatchList and SwatchCombo, in their order.
  static const COLORREF swatches[] = {RGB(43, 122, 100), RGB(112, 128, 144), RGB(196, 67, 59),
                                      RGB(231, 180, 22), RGB(25, 38, 84)};
  TCanvas* canvas = nullptr;
  std::string text;
  if (auto* list = dynamic_cast<TListBox*>(Control)) {
    canvas = &list->Canvas();
    text = list->GetItems()->Get(Index);
  } else if (auto* combo = dynamic_cast<TComboBox*>(Control)) {
    canvas = &combo->Canvas();
    text = combo->GetItems()->Get(Index);
  }
  if (!canvas) return;
  canvas->FillRect(Rect);
  const int size = Rect.bottom - Rect.top - 6;
  const RECT swatch{Rect.left + 3, Rect.top + 3, Rect.left + 3 + size, Rect.top + 3 + size};
  const int textColour = canvas->Font().GetColor();
  canvas->Brush().SetColor(static_cast<int>(swatches[Index % std::size(swatches)]));
  canvas->FillRect(swatch);
  canvas->Brush().SetColor(State.Contains(odSelected) ? clHighlightText : clWindowText);
  canvas->FrameRect(swatch);
  canvas->Brush().SetStyle(bsClear);
  canvas->Font().SetColor(textColour);
  canvas->TextOut(swatch.right + 6, Rect.top + (Rect.bottom - Rect.top - canvas->TextHeight(text)) / 2,
                  text);
  canvas->Brush().SetStyle(bsSolid);
}

void TPreviewForm::ExitClick(TObject*) {
  Close();
}

// ---- The skin shown ---------------------------------------------------------

namespace {

// The status bar's panels: what the window is doing, the skin shown, and
// what the reader found wrong with it (else a hint).
enum { kStatePanel, kSkinPanel, kNotePanel };
constexpr const char* kReady = "Ready";
constexpr const char* kHint = "Right-click for a pop-up menu";

std::string LastPart(std::string Path) {
  while (Path.size() > 1 && (Path.back() == '\\' || Path.back() == '/')) Path.pop_back();
  const std::size_t slash = Path.find_last_of("\\/");
  return slash == std::string::npos ? Path : Path.substr(slash + 1);
}

std::string FolderOf(const std::string& Path) {
  const std::size_t slash = Path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : Path.substr(0, slash);
}

bool IsFolder(const std::string& Path) {
  const DWORD attributes = GetFileAttributesA(Path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool EndsWithDefinition(const std::string& Path) {
  return Path.size() > 4 && SameText(Path.substr(Path.size() - 4), ".ini");
}

std::string TimeNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[16];
  wsprintfA(text, "%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
  return text;
}

}  // namespace

void TPreviewForm::ShowOwnSkin() {
  FSkinPath.clear();
  SkinData1->SetSkinBuffer(EmbeddedProgramSkin());
  SkinData1->SetActive(true);
  ShowSkinState();
}

void TPreviewForm::ShowNoSkin() {
  SkinData1->SetActive(false);
  ShowSkinState();
}

bool TPreviewForm::OpenSkin(const std::string& Path) {
  std::string fault = SkinSourceFault(Path, TSkinReading::srForAuthor);
  if (fault.empty()) {
    TSkinMessageCapture said;
    SkinData1->SetSkinFile(Path);
    fault = said.Joined(" ");
  }
  if (!fault.empty()) {
    Application->MessageBox("The skin \"" + Path + "\" cannot be used: " + fault +
                                ".\nThe preview goes on with " + ShownSkin() + ".",
                            Application->GetTitle(), MB_OK | MB_ICONWARNING);
    return false;
  }
  FSkinPath = Path;
  SkinData1->SetActive(true);
  ShowSkinState();
  return true;
}

void TPreviewForm::ReloadSkin() {
  if (!SkinData1->GetActive()) {
    ShowSkinState("No skin to read again: the system draws the windows");
    return;
  }
  if (FSkinPath.empty()) {
    SkinData1->SetSkinBuffer(EmbeddedProgramSkin());
  } else {
    std::string fault = SkinSourceFault(FSkinPath, TSkinReading::srForAuthor);
    if (fault.empty()) {
      TSkinMessageCapture said;
      if (SkinData1->GetSkinFile() == FSkinPath)
        SkinData1->ReloadSkin();
      else
        SkinData1->SetSkinFile(FSkinPath);
      fault = said.Joined(" ");
    }
    if (!fault.empty()) {
      ShowSkinState("Not read again: " + fault + "; the skin read before stays");
      return;
    }
  }
  ShowSkinState();
  StatusBar1->Panels().Items(kStatePanel).SetText("Skin read again at " + TimeNow());
}

void TPreviewForm::ShowSkinState(const std::string& Note) {
  if (!StatusBar1 || StatusBar1->Panels().Count() <= kNotePanel) return;
  TStatusPanels& panels = StatusBar1->Panels();
  const bool shown = SkinData1->GetActive();
  panels.Items(kStatePanel).SetText(kReady);
  panels.Items(kSkinPanel)
      .SetText(shown ? "Skin: " + ShownSkin() : "No skin: the system's own look");
  const std::string problems = shown ? SkinProblemsSummary() : std::string();
  panels.Items(kNotePanel).SetText(!Note.empty() ? Note : !problems.empty() ? problems : kHint);
  SkinProblems1->SetEnabled(!problems.empty());
}

std::string TPreviewForm::ShownSkin() const {
  return FSkinPath.empty() ? "Fernwick's own skin" : LastPart(FSkinPath);
}

std::string TPreviewForm::SkinProblemsSummary() const {
  return SkinData1->Findings().Summary();
}

void TPreviewForm::OpenSkinClick(TObject*) {
  if (!FSkinPath.empty())
    OpenSkinDialog->SetInitialDir(IsFolder(FSkinPath) ? FSkinPath : FolderOf(FSkinPath));
  if (!OpenSkinDialog->Execute()) return;
  const std::string chosen = OpenSkinDialog->GetFileName();
  // The definition of an unpacked skin stands for its folder.
  OpenSkin(EndsWithDefinition(chosen) ? FolderOf(chosen) : chosen);
}

void TPreviewForm::OpenSkinFolderClick(TObject*) {
  if (!FSkinPath.empty())
    SkinFolderDialog->SetDirectory(IsFolder(FSkinPath) ? FSkinPath : FolderOf(FSkinPath));
  if (SkinFolderDialog->Execute()) OpenSkin(SkinFolderDialog->GetDirectory());
}

void TPreviewForm::ReloadClick(TObject*) {
  ReloadSkin();
}

void TPreviewForm::SkinProblemsClick(TObject*) {
  const TSkinFindings& findings = SkinData1->Findings();
  if (findings.Empty()) return;
  Application->MessageBox("What the reader found wrong in " + ShownSkin() +
                              " and worked around:\n\n" + FindingsText(findings, 30),
                          "Skin problems", MB_OK | MB_ICONINFORMATION);
}

// ---- The shell page --------------------------------------------------------

void TPreviewForm::ShellListBeforePopulate(TObject*) {
  ShellStatusBar->Panels().Items(0).SetText("Listing the folder...");
  ShellStatusBar->Panels().Items(1).SetText("");
}

void TPreviewForm::ShellListAfterPopulate(TObject*) {
  UpdateShellStatus();
}

// The selection changes item by item (all of them for a select-all): the
// status follows once the changes have settled.
void TPreviewForm::ShellListSelectionChanged(TObject*) {
  ShellStatusTimer->SetEnabled(false);
  ShellStatusTimer->SetEnabled(true);
}

void TPreviewForm::ShellStatusTimerTick(TObject*) {
  ShellStatusTimer->SetEnabled(false);
  UpdateShellStatus();
}

void TPreviewForm::UpdateShellStatus() {
  TVintoShellListView& list = *ShellListView1;
  ShellStatusBar->Panels().Items(0).SetText(
      ShellPageStatus::ItemCountText(list.Items().Count(), list.Populating()));
  ShellStatusBar->Panels().Items(1).SetText(
      ShellPageStatus::SelectionText(list.SelCount(), ShellPageStatus::SelectedBytes(list)));
}

void TPreviewForm::ShellViewStyleClick(TObject* Sender) {
  const std::pair<TMenuItem*, TViewStyle> styles[] = {
      {LargeIcons1, vsIcon}, {SmallIcons1, vsSmallIcon}, {List1, vsList}, {Details1, vsReport}};
  for (const auto& [item, style] : styles)
    if (Sender == item) ShellListView1->SetViewStyle(style);
}

void TPreviewForm::Notification(TComponent* AComponent, TOperation Operation) {
  TForm::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FMDIWindow) FMDIWindow = nullptr;
}
