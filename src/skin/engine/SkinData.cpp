#include "skin/engine/SkinData.h"

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "skin/archive/SkinMessages.h"
#include "skin/archive/SkinStream.h"
#include "skin/definition/SkinBlobLoader.h"
#include "skin/engine/SkinManager.h"
#include "skin/engine/SystemFunctions.h"
#include "skin/render/WinSkinSystem.h"
#include "toolkit/Form.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinData::StaticClass() {
  using S = TSkinData;
  static const TClassInfo info =
      TClassBuilder<S>("TSkinData", &TComponent::StaticClass())
          .Creatable()
          .Prop("Active", &S::GetActive, &S::SetActive, false)
          .Prop("DisableTag", &S::GetDisableTag, &S::SetDisableTag, 99)
          .Prop("SkinControls", &S::GetSkinControls, &S::SetSkinControls, DefaultSkinControls())
          .Prop("Options", &S::GetOptions, &S::SetOptions, TSkinOptions{xoPreview, xoToolbarBK})
          .Prop("Skin3rd", &S::GetSkin3rd, &S::SetSkin3rd, DefaultSkin3rd())
          .Prop("SkinFile", &S::GetSkinFile, &S::SetSkinFile, std::string())
          .PropNoDefault("SkinStore", &S::GetSkinStore, &S::SetSkinStore)
          .Prop("SkinFormtype", &S::GetSkinFormtype, &S::SetSkinFormtype, sfMainform)
          .PropNoDefault("Version", &S::GetVersion, &S::SetVersion)
          .Prop("MenuUpdate", &S::GetMenuUpdate, &S::SetMenuUpdate, true)
          .Prop("MenuMerge", &S::GetMenuMerge, &S::SetMenuMerge, false)
          .EventProp("OnFormSkin", &S::OnFormSkin)
          .EventProp("OnSkinChanged", &S::OnSkinChanged)
          .EventProp("OnSkinControl", &S::OnSkinControl)
          .EventProp("OnBeforeSkinForm", &S::OnBeforeSkinForm)
          .EventProp("OnAfterSkinForm", &S::OnAfterSkinForm)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TSkinData);

TSkinControlTypes TSkinData::DefaultSkinControls() {
  TSkinControlTypes all;
  for (int i = xcMainMenu; i <= xcFastReport; ++i) all.Include(static_cast<TSkinControlType>(i));
  all.Exclude(xcMenuItem);
  all.Exclude(xcFastReport);
  return all;
}

// Foreign control classes and the built-in kind each is skinned as. Three
// rows appear twice; the list is kept as it has always been.
const std::vector<std::string>& TSkinData::DefaultSkin3rd() {
  static const std::vector<std::string> rows = {
      "TCategoryButtons=scrollbar",
      "TPngBitBtn=pngbitbtn",
      "TVirtualStringTree=scrollbar",
      "TVirtualDrawTree=scrollbar",
      "TTBXDockablePanel=Panel",
      "TAdvPanelGroup=scrollbar",
      "TComboboxex=combobox",
      "TRxSpeedButton=speedbutton",
      "THTMLViewer=scrollbar",
      "TDBCtrlGrid=scrollbar",
      "TfrSpeedButton=speedbutton",
      "TfrTBButton=speedbutton",
      "TControlBar=Panel",
      "TTBDock=Panel",
      "TTBToolbar=Panel",
      "TImageEnMView=scrollbar",
      "TImageEnView=scrollbar",
      "TAdvMemo=scrollbar",
      "TDBAdvMemo=scrollbar",
      "TcxDBLookupComboBox=combobox",
      "TcxDBComboBox=combobox",
      "TcxDBDateEdit=combobox",
      "TcxDBImageComboBox=combobox",
      "TcxDBCalcEdit=combobox",
      "TcxDBBlobEdit=combobox",
      "TcxDBPopupEdit=combobox",
      "TcxDBFontNameComboBox=combobox",
      "TcxDBShellComboBox=combobox",
      "TRxLookupEdit=combobox",
      "TRxDBLookupCombo=combobox",
      "TRzGroup=panel",
      "TRzButton=button",
      "TRzBitbtn=bitbtn",
      "TRzMenuButton=menubtn",
      "TRzCheckGroup=CheckGroup",
      "TRzRadioGroup=Radiogroup",
      "TRzButtonEdit=Edit",
      "TRzDBRadioGroup=Radiogroup",
      "TRzDBRadioButton=Radiobutton",
      "TRzDateTimeEdit=combobox",
      "TRzColorEdit=combobox",
      "TRzDateTimePicker=combobox",
      "TRzDBDateTimeEdit=combobox",
      "TRzDbColorEdit=combobox",
      "TRzDBDateTimePicker=combobox",
      "TLMDButton=bitbtn",
      "TLMDGroupBox=Groupbox",
      "TDBCheckboxEh=Checkbox",
      "TDBCheckboxEh=Checkbox",
      "TLMDCHECKBOX=Checkbox",
      "TLMDDBCHECKBOX=Checkbox",
      "TLMDRadiobutton=Radiobutton",
      "TLMDCalculator=panel",
      "TLMDGROUPBOX=Panel",
      "TLMDSIMPLEPANEL=Panel",
      "TLMDDBCalendar=Panel",
      "TLMDButtonPanel=Panel",
      "TLMDLMDCalculator=Panel",
      "TLMDHeaderPanel=Panel",
      "TLMDTechnicalLine=Panel",
      "TLMDLMDClock=Panel",
      "TLMDTrackbar=panel",
      "TLMDListCombobox=combobox",
      "TLMDCheckListCombobox=combobox",
      "TLMDHeaderListCombobox=combobox",
      "TLMDImageCombobox=combobox",
      "TLMDColorCombobox=combobox",
      "TLMDFontCombobox=combobox",
      "TLMDFontSizeCombobox=combobox",
      "TLMDFontSizeCombobox=combobox",
      "TLMDPrinterCombobox=combobox",
      "TLMDDriveCombobox=combobox",
      "TLMDCalculatorComboBox=combobox",
      "TLMDTrackBarComboBox=combobox",
      "TLMDCalendarComboBox=combobox",
      "TLMDTreeComboBox=combobox",
      "TLMDRADIOGROUP=radiogroup",
      "TLMDCheckGroup=CheckGroup",
      "TLMDDBRADIOGROUP=radiogroup",
      "TLMDDBCheckGroup=CheckGroup",
      "TLMDCalculatorEdit=edit",
      "TLMDEDIT=Edit",
      "TLMDMASKEDIT=Edit",
      "TLMDBROWSEEDIT=Edit",
      "TLMDEXTSPINEDIT=Edit",
      "TLMDCALENDAREDIT=Edit",
      "TLMDFILEOPENEDIT=Edit",
      "TLMDFILESAVEEDIT=Edit",
      "TLMDCOLOREDIT=Edit",
      "TLMDDBEDIT=Edit",
      "TLMDDBMASKEDIT=Edit",
      "TLMDDBEXTSPINEDIT=Edit",
      "TLMDDBSPINEDIT=Edit",
      "TLMDDBEDITDBLookup=Edit",
      "TLMDEDITDBLookup=Edit",
      "TDBLookupCombobox=Combobox",
      "TWWDBCombobox=Combobox",
      "TWWDBLookupCombo=Combobox",
      "TWWDBCombobox=Combobox",
      "TWWKeyCombo=Combobox",
      "TWWTempKeyCombo=combobox",
      "TWWDBDateTimePicker=Combobox",
      "TWWRADIOGROUP=radiogroup",
      "TWWDBEDIT=Edit",
      "TcxButton=bitbtn",
      "TcxDBRadioGroup=radiogroup",
      "TcxRadioGroup=radiogroup",
      "TcxGroupbox=groupbox",
      "TOVCPICTUREFIELD=Edit",
      "TOVCDBPICTUREFIELD=Edit",
      "TOVCSLIDEREDIT=Edit",
      "TOVCDBSLIDEREDIT=Edit",
      "TOVCSIMPLEFIELD=Edit",
      "TOVCDBSIMPLEFIELD=Edit",
      "TO32DBFLEXEDIT=Edit",
      "TOVCNUMERICFIELD=Edit",
      "TOVCDBNUMERICFIELD=Edit",
  };
  return rows;
}

TSkinData::TSkinData(TComponent* AOwner)
    : TComponent(AOwner), FSkinControls(DefaultSkinControls()), FSkin3rd(DefaultSkin3rd()) {
  FCheckMarks = ImageList_LoadImageA(GetModuleHandleA(nullptr), "TESSERAMENU", 16, 0,
                                     RGB(255, 255, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
  FMaximisedSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
}

TSkinData::~TSkinData() {
  if (TSkinManage* manager = TSkinManage::Instance()) manager->UnregisterSkinData(this);
  if (FCheckMarks) ImageList_Destroy(FCheckMarks);
}

std::string TSkinData::GetSkinStore() const {
  return Designing() && !FSkinBuffer.empty() ? "(Good)" : "(none)";
}

bool TSkinData::ReadBinaryProperty(std::string_view Name, const std::vector<std::uint8_t>& Bytes) {
  if (Name != "SkinStream") return TComponent::ReadBinaryProperty(Name, Bytes);
  TBytes buffer;
  // A stream shorter than the length it states is refused whole rather than
  // read short: half a skin would decode into garbage.
  if (!SkinStream::Read(Bytes, buffer))
    throw EComponentError("The embedded skin of " + GetName() + " is truncated");
  if (buffer.empty()) return true;
  FSkinBuffer = std::move(buffer);
  FSkinFolder.clear();
  FSkinSource.clear();
  if (!Designing()) LoadSkin();
  return true;
}

bool TSkinData::LoadSkin() {
  FSkinNotLoaded = true;
  if (Designing() || (FSkinBuffer.empty() && FSkinFolder.empty())) return false;
  TWinSkinSystem::Install();
  TSkinFindings findings;
  const bool loaded = FSkinFolder.empty()
                          ? LoadSkinBlob(FSkinBuffer, FSkin, &findings)
                          : LoadSkinFromFolder(std::filesystem::path(FSkinFolder), FSkin, &findings);
  if (!loaded) return false;
  FFindings = std::move(findings);
  FSkinNotLoaded = false;
  return true;
}

void TSkinData::SetSkinFile(const std::string& Value) {
  const bool hadSkin = !FSkinNotLoaded;
  FSkinNotLoaded = true;
  FSkinFile = Value;
  if (Designing()) {
    if (!Value.empty()) FSkinBuffer.clear();
    return;
  }
  if (Value.empty()) return;
  ReadSkinFile(hadSkin, false);
}

bool TSkinData::ReloadSkin() {
  if (Designing() || FSkinFile.empty()) return false;
  return ReadSkinFile(!FSkinNotLoaded, true);
}

// The file or folder SkinFile names. A file that cannot be opened changes
// nothing when it is set (as a missing file); when it is read again, the
// user is told and the skin shown stays.
bool TSkinData::ReadSkinFile(bool HadSkin, bool Reloading) {
  std::error_code error;
  if (std::filesystem::is_directory(std::filesystem::path(FSkinFile), error))
    return TakeSkin({}, FSkinFile, HadSkin);
  std::ifstream file(FSkinFile, std::ios::binary);
  if (!file) {
    if (Reloading) SkinMessages::Show(SkinMessages::kCannotOpen);
    return false;
  }
  return TakeSkin(TBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()),
                  {}, HadSkin);
}

void TSkinData::SetSkinBuffer(const TBytes& Skin) {
  FSkinFile.clear();
  if (Designing()) {
    FSkinBuffer = Skin;
    FSkinFolder.clear();
    return;
  }
  TakeSkin(Skin, {}, !FSkinNotLoaded);
}

// A skin that cannot be read (the user has been told why) leaves the one
// loaded before in place, still drawn, with its findings and its source.
bool TSkinData::TakeSkin(TBytes Skin, std::string Folder, bool HadSkin) {
  TBytes previous = std::move(FSkinBuffer);
  std::string previousFolder = std::move(FSkinFolder);
  FSkinBuffer = std::move(Skin);
  FSkinFolder = std::move(Folder);
  const bool loaded = LoadSkin();
  if (!loaded) {
    if (FSkinBuffer.empty() && FSkinFolder.empty()) SkinMessages::Show(SkinMessages::kEmptySkin);
    if (HadSkin) {
      FSkinBuffer = std::move(previous);
      FSkinFolder = std::move(previousFolder);
      FSkinNotLoaded = false;
      return false;
    }
  } else {
    FSkinSource = FSkinFile;
  }
  ApplySkin();
  return loaded;
}

void TSkinData::ApplySkin() {
  if (Designing() || Reading()) return;
  const bool existed = TSkinManage::Instance() != nullptr;
  TSkinManage& manager = TSkinManage::Ensure();
  if (!existed) manager.RegisterSkinData(this);
  manager.SetPendingSkinData(this);
  manager.RefreshFormsOfSkinData();
  if (manager.State() != TSkinManage::msCreated)
    manager.ScheduleAction(TSkinManage::saRefresh, 250);
}

void TSkinData::SetActive(bool Value) {
  if (Value == FActive) return;
  FActive = Value;
  if (Designing() || Reading()) return;
  TSkinManage* manager = TSkinManage::Instance();
  if (!manager) return;  // not started yet: start-up reads the value
  switch (FSkinFormtype) {
    case sfMainform:
      if (Value && FSkinNotLoaded) return;
      manager->SetPendingSkinData(this);
      manager->ScheduleAction(Value ? TSkinManage::saActivate : TSkinManage::saDeactivate, 250);
      if (Value) manager->SetState(TSkinManage::msRunning);
      break;
    case sfOnlyThisForm:
      manager->SetPendingSkinData(this);
      if (Value && FSkinNotLoaded) return;
      manager->ScheduleAction(Value ? TSkinManage::saActivate : TSkinManage::saDeactivate, 250);
      break;
    default:
      break;
  }
}

void TSkinData::FormVeto(HWND Window, const std::string& ClassName, bool& DoSkin) {
  FVetoWindow = Window;
  if (OnFormSkin.Assigned()) {
    OnFormSkin(this, ClassName, DoSkin);
    return;
  }
  if (ClassName == "SysMonthCal32") DoSkin = false;
  if (FSkinControls.Contains(xcFastReport) && ClassName.rfind("Tfr", 0) == 0) DoSkin = false;
}

void TSkinData::FireSkinChanged() {
  OnSkinChanged(this);
}

bool TSkinData::ScrollBarInfo(HWND Window, LONG ObjectId, SCROLLBARINFO& Info) const {
  return SystemFunctions::ScrollBarInfo(Window, ObjectId, Info);
}

void TSkinData::TrackLeave(HWND Window) const {
  SystemFunctions::TrackLeave(Window);
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (Designing()) return;
  if (!SystemFunctions::HasScrollBarInfo()) FSkinControls.Exclude(xcScrollbar);
  TSkinManage::Ensure().RegisterSkinData(this);
  FCaptionFont = SystemFunctions::CaptionLogFont();
  if (FSkinFormtype == sfMainform)
    StartMainForm();
  else
    StartOwnFormOnly();
}

void TSkinData::StartOwnFormOnly() {
  TSkinManage& manager = TSkinManage::Ensure();
  manager.SetActive(true);
  manager.SetState(manager.State() + 1);
  auto* form = dynamic_cast<TWinControl*>(Owner());
  if (form && FActive && form->WindowHandle()) manager.SkinTopLevelWindow(form->WindowHandle());
}

void TSkinData::StartMainForm() {
  TSkinManage& manager = TSkinManage::Ensure();
  manager.InstallCreationHook();
  if (FActive) {
    if (FSkinNotLoaded) {
      FActive = false;
    } else {
      manager.SetPendingSkinData(this);
      manager.ScheduleAction(TSkinManage::saActivate, 250);
    }
  }
  if (FSkinControls.Contains(xcMainMenu))
    FSkinControls.Exclude(xcMenuItem);
  else
    FSkinControls.Exclude(xcSystemMenu);
  TakeApplicationIcon();
}

// The application's small icon (the main window's small icon, else its
// large one, else the program's first icon) drawn on magenta.
void TSkinData::TakeApplicationIcon() {
  const int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
  HICON icon = nullptr;
  if (auto* form = dynamic_cast<TWinControl*>(Owner()); form && form->WindowHandle()) {
    icon = reinterpret_cast<HICON>(SendMessageA(form->WindowHandle(), WM_GETICON, ICON_SMALL, 0));
    if (!icon)
      icon = reinterpret_cast<HICON>(SendMessageA(form->WindowHandle(), WM_GETICON, ICON_BIG, 0));
  }
  TIconHandle owned;
  if (!icon) {
    owned.Reset(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, w, h, 0)));
    icon = owned.Get();
  }
  HDC screen = GetDC(nullptr);
  TDCHandle dc(CreateCompatibleDC(screen));
  FApplicationIcon.Reset(CreateCompatibleBitmap(screen, w, h));
  ReleaseDC(nullptr, screen);
  if (!dc || !FApplicationIcon) return;
  HGDIOBJ old = SelectObject(dc.Get(), FApplicationIcon.Get());
  TBrushHandle key(CreateSolidBrush(RGB(255, 0, 255)));
  RECT all{0, 0, w, h};
  FillRect(dc.Get(), &all, key.Get());
  if (icon) DrawIconEx(dc.Get(), 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
  SelectObject(dc.Get(), old);
}
