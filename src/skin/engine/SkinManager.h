#pragma once
// The process's one window manager. Through a thread hook it sees windows
// being created, activated and destroyed, decides which top-level windows
// get a skinned frame, gives each a form skinner (and each pop-up menu
// window a menu skinner), and performs the skin components' requests
// (switch on, switch off, skin changed) from a short timer, outside the
// caller's stack.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/portable/Component.h"

class TSkinData;
class TPixelBuffer;
class TTimer;
class TWinSkinForm;
class TWinSkinPopMenu;
class TWinControl;
class TCustomForm;

class TSkinManage {
 public:
  enum TAction { saNone = 0, saActivate = 1, saDeactivate = 2, saRefresh = 3 };
  enum TManagerState { msCreated = 0, msRunning = 1, msShuttingDown = 4 };
  enum TPopupKind { pkNotAnnounced = 0, pkWindowMenu = 1, pkSystemMenu = 2 };

  // The manager, or null before the first skin component asked for it.
  static TSkinManage* Instance();
  static TSkinManage& Ensure();
  // Frees the manager: every window is released (quickly, without giving
  // frames back), the hook removed.
  static void Shutdown();

  TSkinManage();
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  void InstallCreationHook();
  bool HookInstalled() const { return FHookHandle != nullptr; }
  void RegisterSkinData(TSkinData* Data);
  // Forgets the component; windows it skins are given back first.
  void UnregisterSkinData(TSkinData* Data);

  void ScheduleAction(TAction Kind, int DelayMs);
  void RefreshFormsOfSkinData();
  bool SkinTopLevelWindow(HWND Handle);
  bool ShouldSkinWindow(HWND Handle, const std::string& ClassName);
  TSkinData* SelectSkinData(HWND Handle) const;
  TWinSkinForm* FindFormSkinner(HWND Handle) const;
  void ForgetFormSkinner(TWinSkinForm* Skinner);
  void PurgeFormSkinners();

  void SkinPopupMenuWindow(HWND Handle);
  void ReleasePopupMenuWindow(HWND Handle);
  void MarkPopupsAsMenuBar();
  void BindPopupMenuHandle(HMENU Menu);
  // The background of the menu window showing Menu, or null.
  const TPixelBuffer* FindPopupBackground(HMENU Menu) const;
  TWinSkinPopMenu* FindPopupSkinner(HWND Handle) const;

  void SetMDIChildMaximised(bool Flag);

  // Runs the pending action now (the timer's handler).
  void RunScheduledAction();

  bool Active() const { return FActive; }
  void SetActive(bool Value) { FActive = Value; }
  int State() const { return FState; }
  void SetState(int Value) { FState = Value; }
  bool InitialPass() const { return FInitialPass; }
  int PopupMenuKind() const { return FPopupMenuKind; }
  void SetPopupMenuKind(int Value) { FPopupMenuKind = Value; }
  bool MenuBarPopup() const { return FMenuBarPopup; }
  void SetMenuBarPopup(bool Value) { FMenuBarPopup = Value; }
  bool MDIChildMaximised() const { return FMDIChildMaximised; }
  bool HideDuringSkinning() const { return FHideDuringSkinning; }
  void SetHideDuringSkinning(bool Value) { FHideDuringSkinning = Value; }
  HWND MDIClientHandle() const { return FMDIClientHandle; }
  void SetMDIClient(HWND Client, TWinControl* Form);
  int PendingAction() const { return FPendingAction; }
  TSkinData* PendingSkinData() const { return FPendingSkinData; }
  void SetPendingSkinData(TSkinData* Data) { FPendingSkinData = Data; }
  TSkinData* MainSkinData() const { return FMainSkinData; }
  bool TimerRunning() const;

  const std::vector<TWinSkinForm*>& FormSkinners() const { return FFormSkinners; }
  const std::vector<TSkinData*>& SkinDatas() const { return FSkinDatas; }
  size_t PopupSkinnerCount() const { return FPopupSkinners.size(); }

 private:
  static LRESULT CALLBACK CbtHookProc(int Code, WPARAM WParam, LPARAM LParam);
  void OnCreateWindow(HWND Window, const CBT_CREATEWNDA& Create);
  void OnTimer(TObject*);
  void SwitchOn();
  void SwitchOff();
  void SkinChanged(TSkinData* Data);
  void SwitchOnOnlyThisForm(TSkinData* Data);
  void SwitchOffOnlyThisForm(TSkinData* Data);
  void SkinChangedOnlyThisForm(TSkinData* Data);
  void SkinVisibleForm(TCustomForm* Form);
  // Gives the window back entirely and frees its skinner.
  void UnskinAndFree(TWinSkinForm* Skinner);

  std::unique_ptr<TTimer> FActionTimer;
  HHOOK FHookHandle = nullptr;
  std::vector<TWinSkinForm*> FFormSkinners;
  std::vector<std::unique_ptr<TWinSkinPopMenu>> FPopupSkinners;
  std::vector<TSkinData*> FSkinDatas;
  bool FActive = false;
  bool FInitialPass = false;
  int FState = msCreated;
  int FPopupMenuKind = pkNotAnnounced;
  bool FMenuBarPopup = false;
  bool FMDIChildMaximised = false;
  bool FHideDuringSkinning = false;
  HWND FMDIClientHandle = nullptr;
  TWinControl* FMDIForm = nullptr;
  int FPendingAction = saNone;
  TSkinData* FPendingSkinData = nullptr;
  TSkinData* FMainSkinData = nullptr;
};

// The window's toolkit form: from the screen's form list, else any toolkit
// control of that handle.
TWinControl* FindToolkitForm(HWND Handle);
