#include "skin/engine/SkinManager.h"

#include <algorithm>

#include "skin/engine/EngineMessages.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/frame/FormSkinner.h"
#include "skin/menus/PopupMenuSkinner.h"
#include "skin/recognition/ControlRecognition.h"
#include "toolkit/ControlAtom.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"
#include "toolkit/Timer.h"

namespace {

std::unique_ptr<TSkinManage>& TheManager() {
  static std::unique_ptr<TSkinManage> manager;
  return manager;
}

bool IsPlainChildWindow(HWND Handle) {
  const LONG style = GetWindowLongA(Handle, GWL_STYLE);
  const LONG exStyle = GetWindowLongA(Handle, GWL_EXSTYLE);
  return (style & WS_CHILD) && !(exStyle & WS_EX_MDICHILD) &&
         LowerAscii(WindowClassName(GetParent(Handle))) != "mdiclient";
}

bool Contains(const std::string& Text, const char* Part) {
  return Text.find(Part) != std::string::npos;
}

}  // namespace

TWinControl* FindToolkitForm(HWND Handle) {
  if (Screen)
    for (int i = 0; i < Screen->FormCount(); ++i)
      if (Screen->Forms(i)->WindowHandle() == Handle) return Screen->Forms(i);
  return FindControl(Handle);
}

TSkinManage* TSkinManage::Instance() {
  return TheManager().get();
}

TSkinManage& TSkinManage::Ensure() {
  if (!TheManager()) TheManager() = std::make_unique<TSkinManage>();
  return *TheManager();
}

void TSkinManage::Shutdown() {
  TheManager().reset();
}

TSkinManage::TSkinManage() : FActionTimer(std::make_unique<TTimer>(nullptr)) {
  FActionTimer->SetEnabled(false);
  FActionTimer->SetInterval(100);
  FActionTimer->OnTimer = TNotifyEvent(this, &TSkinManage::OnTimer);
}

TSkinManage::~TSkinManage() {
  FState = msShuttingDown;
  FActive = false;
  FActionTimer.reset();
  // Freed in reverse, each released quickly first.
  while (!FFormSkinners.empty()) {
    TWinSkinForm* skinner = FFormSkinners.back();
    FFormSkinners.pop_back();
    skinner->ReleaseWindow();
    delete skinner;
  }
  for (auto& popup : FPopupSkinners) popup->Detach();
  FPopupSkinners.clear();
  if (FHookHandle) UnhookWindowsHookEx(FHookHandle);
  FHookHandle = nullptr;
}

void TSkinManage::InstallCreationHook() {
  if (FHookHandle) return;
  FHookHandle = SetWindowsHookExA(WH_CBT, &TSkinManage::CbtHookProc, nullptr, GetCurrentThreadId());
}

void TSkinManage::RegisterSkinData(TSkinData* Data) {
  if (std::find(FSkinDatas.begin(), FSkinDatas.end(), Data) != FSkinDatas.end()) return;
  FSkinDatas.push_back(Data);
  if (!FMainSkinData && Data->GetSkinFormtype() == sfMainform) FMainSkinData = Data;
}

void TSkinManage::UnregisterSkinData(TSkinData* Data) {
  // The windows it skins are given back while it still exists.
  for (size_t i = FFormSkinners.size(); i-- > 0;) {
    if (i >= FFormSkinners.size() || FFormSkinners[i]->SkinData() != Data) continue;
    UnskinAndFree(FFormSkinners[i]);
  }
  FSkinDatas.erase(std::remove(FSkinDatas.begin(), FSkinDatas.end(), Data), FSkinDatas.end());
  // With no skin component left there is nothing to skin new windows with.
  if (FSkinDatas.empty()) FActive = false;
  if (FPendingSkinData == Data) {
    FPendingSkinData = nullptr;
    FActionTimer->SetEnabled(false);
  }
  if (FMainSkinData == Data) {
    FMainSkinData = nullptr;
    for (TSkinData* other : FSkinDatas)
      if (other->GetSkinFormtype() == sfMainform) {
        FMainSkinData = other;
        break;
      }
  }
}

void TSkinManage::ScheduleAction(TAction Kind, int DelayMs) {
  FPendingAction = Kind;
  FActionTimer->SetInterval(DelayMs);
  if (FState != msCreated) {
    // A new request starts the delay afresh.
    FActionTimer->SetEnabled(false);
    FActionTimer->SetEnabled(true);
  } else if (Kind == saActivate || Kind == saDeactivate) {
    FActive = Kind == saActivate;
  }
}

bool TSkinManage::TimerRunning() const {
  return FActionTimer && FActionTimer->GetEnabled();
}

void TSkinManage::RefreshFormsOfSkinData() {
  for (TWinSkinForm* skinner : FFormSkinners)
    if (skinner->SkinData() == FPendingSkinData) skinner->DropTitleButtons();
}

void TSkinManage::SetMDIClient(HWND Client, TWinControl* Form) {
  FMDIClientHandle = Client;
  FMDIForm = Form;
}

TWinSkinForm* TSkinManage::FindFormSkinner(HWND Handle) const {
  for (TWinSkinForm* skinner : FFormSkinners)
    if (skinner->Handle() == Handle) return skinner;
  return nullptr;
}

void TSkinManage::ForgetFormSkinner(TWinSkinForm* Skinner) {
  if (FState == msShuttingDown) return;
  auto it = std::find(FFormSkinners.begin(), FFormSkinners.end(), Skinner);
  if (it != FFormSkinners.end()) FFormSkinners.erase(it);
}

void TSkinManage::PurgeFormSkinners() {
  if (FState == msShuttingDown) return;
  for (size_t i = FFormSkinners.size(); i-- > 0;) {
    if (i >= FFormSkinners.size()) continue;
    TWinSkinForm* skinner = FFormSkinners[i];
    if (skinner->SkinState() != TWinSkinForm::ssDestroyed) continue;
    FFormSkinners.erase(FFormSkinners.begin() + static_cast<std::ptrdiff_t>(i));
    delete skinner;
  }
}

bool TSkinManage::SkinTopLevelWindow(HWND Handle) {
  if (!FActive || !IsWindow(Handle)) return false;
  PurgeFormSkinners();
  if (SendMessageA(Handle, SM_ISSKINNED, 0, 0) == 1 || FindFormSkinner(Handle)) return false;
  TWinControl* form = FindToolkitForm(Handle);
  if (!FInitialPass && IsPlainChildWindow(Handle)) return false;
  const std::string className = WindowClassName(Handle);
  const bool ownModule = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(Handle, GWLP_HINSTANCE)) ==
                         GetModuleHandleA(nullptr);
  if (!form && !ownModule && className != "#32770") return false;
  RECT r{};
  GetWindowRect(Handle, &r);
  const bool mdiChild = (GetWindowLongA(Handle, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
  if (static_cast<long long>(r.right - r.left) * (r.bottom - r.top) == 0 && !mdiChild) return false;
  if (form && form->GetTag() == 99) return false;
  if (Contains(className, "TcxPopupEditPopupWindow") || Contains(className, "TTERenderWindow") ||
      className == "TApplication")
    return false;
  if (!ShouldSkinWindow(Handle, className)) return false;
  TSkinData* data = SelectSkinData(Handle);
  if (!data || !data->SkinLoaded()) return false;

  auto* skinner = new TWinSkinForm(form);
  skinner->SetHandle(Handle);
  skinner->SetClassNameText(className);
  FFormSkinners.push_back(skinner);
  if (form)
    skinner->SkinForm(data, form);
  else
    skinner->SkinWindow(data);
  PostMessageA(Handle, SM_ACTIVATE, 0, kActivateTag);
  return true;
}

bool TSkinManage::ShouldSkinWindow(HWND Handle, const std::string& ClassName) {
  bool doSkin = true;
  if (!FMainSkinData) return doSkin;
  if (!FMainSkinData->GetOptions().Contains(xoPreview) &&
      Contains(LowerAscii(ClassName), "preview"))
    doSkin = false;
  if (ClassName == "#32770" && (GetWindowLongA(Handle, GWL_STYLE) & DS_SETFOREGROUND))
    doSkin = false;
  FMainSkinData->FormVeto(Handle, ClassName, doSkin);
  return doSkin;
}

TSkinData* TSkinManage::SelectSkinData(HWND Handle) const {
  TSkinData* match = nullptr;
  for (TSkinData* data : FSkinDatas) {
    if (data->GetSkinFormtype() != sfOnlyThisForm) continue;
    auto* owner = dynamic_cast<TWinControl*>(data->Owner());
    if (owner && owner->WindowHandle() == Handle) match = data;
  }
  if (match) return match;
  const std::string className = LowerAscii(WindowClassName(Handle));
  if (className == "tmessageform" || className == "#32770")
    for (auto it = FSkinDatas.rbegin(); it != FSkinDatas.rend(); ++it)
      if ((*it)->GetSkinFormtype() == sfDialog) return *it;
  for (auto it = FSkinDatas.rbegin(); it != FSkinDatas.rend(); ++it)
    if ((*it)->GetSkinFormtype() == sfMainform) return *it;
  return FSkinDatas.empty() ? nullptr : FSkinDatas.front();
}

// ---------------------------------------------------------------------------
// The creation hook

LRESULT CALLBACK TSkinManage::CbtHookProc(int Code, WPARAM WParam, LPARAM LParam) {
  TSkinManage* manager = Instance();
  HHOOK hook = manager ? manager->FHookHandle : nullptr;
  if (Code >= 0 && manager) {
    try {
      auto* window = reinterpret_cast<HWND>(WParam);
      switch (Code) {
        case HCBT_CREATEWND:
          manager->OnCreateWindow(window, *reinterpret_cast<CBT_CREATEWNDA*>(LParam));
          break;
        case HCBT_DESTROYWND:
          manager->ReleasePopupMenuWindow(window);
          break;
        case HCBT_ACTIVATE:
          if (manager->FState == msCreated) manager->FState = msRunning;
          manager->SkinTopLevelWindow(window);
          break;
        default:
          break;
      }
    } catch (...) {
      // Nothing crosses the hook.
    }
  }
  return CallNextHookEx(hook, Code, WParam, LParam);
}

void TSkinManage::OnCreateWindow(HWND Window, const CBT_CREATEWNDA& Create) {
  const CREATESTRUCTA& cs = *Create.lpcs;
  const std::string className = WindowClassName(Window);
  if (className == "ScrollBar" && (cs.style & SBS_SIZEGRIP))
    if (TWinSkinForm* parent = FindFormSkinner(cs.hwndParent)) SkinChildWindow(*parent, Window);
  if (!(cs.style & WS_CHILD) && className == "#32768") SkinPopupMenuWindow(Window);
  if (cs.dwExStyle & WS_EX_MDICHILD) SkinTopLevelWindow(Window);
}

// ---------------------------------------------------------------------------
// Deferred actions

void TSkinManage::OnTimer(TObject*) {
  RunScheduledAction();
}

void TSkinManage::RunScheduledAction() {
  FActionTimer->SetEnabled(false);
  TSkinData* data = FPendingSkinData;
  if (!data) return;
  const int action = FPendingAction;
  if (data->GetSkinFormtype() == sfOnlyThisForm) {
    switch (action) {
      case saActivate:
        SwitchOnOnlyThisForm(data);
        break;
      case saDeactivate:
        SwitchOffOnlyThisForm(data);
        break;
      case saRefresh:
        SkinChangedOnlyThisForm(data);
        break;
      default:
        break;
    }
  } else {
    switch (action) {
      case saActivate:
        SwitchOn();
        break;
      case saDeactivate:
        SwitchOff();
        break;
      case saRefresh:
        SkinChanged(data);
        break;
      default:
        break;
    }
  }
  // The handler may free the component: it is asked only while registered.
  if (std::find(FSkinDatas.begin(), FSkinDatas.end(), data) != FSkinDatas.end())
    data->FireSkinChanged();
  FPendingSkinData = nullptr;
}

void TSkinManage::SwitchOn() {
  FActive = true;
  FHideDuringSkinning = false;
  FInitialPass = true;
  PurgeFormSkinners();
  if (Screen)
    for (int i = Screen->FormCount(); i-- > 0;)
      if (i < Screen->FormCount()) SkinVisibleForm(Screen->Forms(i));
  FInitialPass = false;
}

void TSkinManage::SkinVisibleForm(TCustomForm* Form) {
  HWND handle = Form ? Form->WindowHandle() : nullptr;
  if (!handle || !IsWindowVisible(handle) || (GetWindowLongA(handle, GWL_STYLE) & WS_CHILD)) return;
  SkinTopLevelWindow(handle);
}

void TSkinManage::UnskinAndFree(TWinSkinForm* Skinner) {
  auto it = std::find(FFormSkinners.begin(), FFormSkinners.end(), Skinner);
  if (it != FFormSkinners.end()) FFormSkinners.erase(it);
  HWND handle = Skinner->Handle();
  const bool alive = Skinner->SkinState() != TWinSkinForm::ssDestroyed && IsWindow(handle);
  if (alive) Skinner->UnskinWindow();
  delete Skinner;
  if (alive) {
    InvalidateRect(handle, nullptr, TRUE);
    UpdateWindow(handle);
  }
}

void TSkinManage::SwitchOff() {
  FActive = false;
  PurgeFormSkinners();
  while (!FFormSkinners.empty()) UnskinAndFree(FFormSkinners.front());
}

void TSkinManage::SkinChanged(TSkinData* Data) {
  PurgeFormSkinners();
  const std::vector<TWinSkinForm*> skinners = FFormSkinners;
  for (TWinSkinForm* skinner : skinners)
    if (skinner->SkinData() == Data) {
      skinner->DropTitleButtons();
      skinner->UpdateFrameMetrics();
    }
  for (TWinSkinForm* skinner : skinners)
    if (std::find(FFormSkinners.begin(), FFormSkinners.end(), skinner) != FFormSkinners.end() &&
        skinner->SkinData() == Data)
      skinner->ApplySkinChange();
}

void TSkinManage::SwitchOnOnlyThisForm(TSkinData* Data) {
  FActive = true;
  FInitialPass = true;
  if (auto* form = dynamic_cast<TCustomForm*>(Data->Owner())) SkinVisibleForm(form);
  FInitialPass = false;
}

void TSkinManage::SwitchOffOnlyThisForm(TSkinData* Data) {
  FActive = false;
  PurgeFormSkinners();
  for (TWinSkinForm* skinner : FFormSkinners)
    if (skinner->SkinData() == Data) {
      UnskinAndFree(skinner);
      return;
    }
}

void TSkinManage::SkinChangedOnlyThisForm(TSkinData* Data) {
  PurgeFormSkinners();
  for (TWinSkinForm* skinner : FFormSkinners)
    if (skinner->SkinData() == Data) {
      skinner->DropTitleButtons();
      skinner->UpdateFrameMetrics();
      skinner->ApplySkinChange();
      return;
    }
}

// ---------------------------------------------------------------------------
// Pop-up menu windows

void TSkinManage::SkinPopupMenuWindow(HWND Handle) {
  if (!FActive || SendMessageA(Handle, SM_ISSKINNED, 0, 0) == 1 || FindPopupSkinner(Handle)) return;
  TSkinData* data = SelectSkinData(Handle);
  if (!data || !data->SkinLoaded()) return;
  const TSkinControlTypes kinds = data->GetSkinControls();
  bool wanted = false;
  switch (FPopupMenuKind) {
    case pkNotAnnounced:
      wanted = kinds.Contains(xcPopupMenu);
      break;
    case pkWindowMenu:
      wanted = kinds.Contains(xcMainMenu) || kinds.Contains(xcMenuItem);
      break;
    case pkSystemMenu:
      wanted = kinds.Contains(xcSystemMenu);
      break;
    default:
      break;
  }
  if (!wanted) return;
  auto popup = std::make_unique<TWinSkinPopMenu>();
  popup->Attach(Handle, data, 0);
  if (FMenuBarPopup) popup->SetMenuBarPopup(true);
  FPopupSkinners.push_back(std::move(popup));
}

void TSkinManage::ReleasePopupMenuWindow(HWND Handle) {
  if (FState == msShuttingDown) return;
  for (auto it = FPopupSkinners.begin(); it != FPopupSkinners.end(); ++it)
    if ((*it)->Handle() == Handle) {
      (*it)->Detach();
      FPopupSkinners.erase(it);
      break;
    }
  if (FPopupSkinners.empty()) {
    FMenuBarPopup = false;
    FPopupMenuKind = pkNotAnnounced;
  }
}

TWinSkinPopMenu* TSkinManage::FindPopupSkinner(HWND Handle) const {
  for (const auto& popup : FPopupSkinners)
    if (popup->Handle() == Handle) return popup.get();
  return nullptr;
}

void TSkinManage::MarkPopupsAsMenuBar() {
  for (auto& popup : FPopupSkinners) popup->SetMenuBarPopup(true);
}

void TSkinManage::BindPopupMenuHandle(HMENU Menu) {
  for (auto it = FPopupSkinners.rbegin(); it != FPopupSkinners.rend(); ++it)
    if (!(*it)->MenuHandle()) {
      (*it)->SetMenuHandle(Menu);
      return;
    }
}

const TPixelBuffer* TSkinManage::FindPopupBackground(HMENU Menu) const {
  for (const auto& popup : FPopupSkinners)
    if (popup->MenuHandle() == Menu) return &popup->Background();
  return nullptr;
}

// ---------------------------------------------------------------------------

void TSkinManage::SetMDIChildMaximised(bool Flag) {
  if (Flag == FMDIChildMaximised) return;
  FMDIChildMaximised = Flag;
  if (FMainSkinData && FMainSkinData->GetOptions().Contains(xoMDIChildBorder)) return;
  for (TWinSkinForm* skinner : std::vector<TWinSkinForm*>(FFormSkinners))
    if (skinner->FormKind() == TWinSkinForm::fkMDIChild) skinner->MDIChildMaximisedChanged(Flag);
}
