#pragma once
// Takes over one top-level window, MDI child or dialog and draws its whole
// non-client area from the skin. The window procedure is replaced; the
// client area is redefined through WM_NCCALCSIZE; hit tests and non-client
// painting are answered here; where the border images have transparent
// parts the window gets a region. Everything changed (window procedure,
// the form object's WindowProc, the MDI client's procedure, region, style
// bits, colour, size) is recorded where it is changed and given back by
// UnskinWindow.
//
// The title buttons, the system menu and the skinned menu bar replace the
// native caption buttons and menu bar.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/ControlTypes.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/Messages.h"
#include "toolkit/portable/Component.h"
#include "toolkit/portable/PixelBuffer.h"

class TSkinData;
class TSkinControl;
class TToolBar;
class TMDIClientHook;
class TToolbarSkin;
class TTimer;
class TCanvas;
class TWinControl;
class TNCObject;
class TWinSkinMenu;
class TMenuItemPainter;
class TWinSysButton;
class TTitleButtons;
class TTitleActions;
class TSystemMenu;

class TWinSkinForm : public TComponent {
  FW_CLASS(TWinSkinForm)
 public:
  enum TSkinState {
    ssTakenOver = 0,
    ssActive = 1,
    ssReapplying = 3,
    ssDestroying = 4,
    ssResizing = 5,
    ssDestroyed = 6
  };
  enum TFormKind { fkNormal = 0, fkMDIParent = 1, fkMDIChild = 2 };
  enum TBorderKind { bkSizeable = 0, bkSingle = 1, bkNone = 2, bkDialog = 3 };
  enum TWindowStateKind { wsNormal = 0, wsMaximised = 1, wsMinimised = 2 };
  enum TCapability {
    cpMaximise = 1,
    cpMinimise = 2,
    cpHelp = 4,
    cpSystemMenu = 8,
    cpKeepSysMenu = 16
  };

  explicit TWinSkinForm(TComponent* AOwner);
  ~TWinSkinForm() override;

  // Set by the manager before the takeover.
  void SetHandle(HWND Value) { FHandle = Value; }
  void SetClassNameText(const std::string& Value) { FClassNameText = Value; }

  void SkinForm(TSkinData* Data, TWinControl* Form);
  void SkinWindow(TSkinData* Data);
  void ReleaseWindow();
  void UnskinWindow();
  void UpdateFrameMetrics();
  void ApplySkinChange();
  // Frees the title buttons (rebuilt with the frame metrics).
  void DropTitleButtons();
  // The manager's MDI-child-maximised switch reached this MDI child.
  void MDIChildMaximisedChanged(bool Maximised);

  bool RegisterPainter(TSkinControl* Painter);
  void UnregisterPainter(TSkinControl* Painter);
  TSkinControl* FindPainterByHandle(HWND Window) const;
  const std::vector<TSkinControl*>& Painters() const { return FPainters; }
  TCanvas& CanvasWork() { return *FCanvasWork; }
  TCanvas& CanvasPaint() { return *FCanvasPaint; }

  void PaintNonClient(HDC DC);
  void UpdateWindowRegion();

  // The skin's tool-bar background and button faces, lent to a tool bar
  // whose own handlers are unassigned; freeing the painters takes them back.
  void HookToolbar(TToolBar& ToolBar);

  HWND Handle() const { return FHandle; }
  TWinControl* Form() const { return FForm; }
  TSkinData* SkinData() const { return FSkinData; }
  const std::string& ClassNameText() const { return FClassNameText; }
  int SkinState() const { return FSkinState; }
  bool FrameSkinned() const { return FFrameSkinned; }
  bool TakenOver() const { return FWndProcInstance != nullptr; }
  int FormKind() const { return FFormKind; }
  int BorderKind() const { return FBorderKind; }
  int WindowState() const { return FWindowState; }
  bool IsActive() const { return FActive != 0; }
  bool RightToLeft() const { return FRightToLeft; }
  bool IsDialog() const { return FIsDialog; }
  bool IsUnicodeWindow() const { return FIsUnicodeWindow; }
  int Capabilities() const { return FCapabilities; }
  int LeftWidth() const { return FLeftWidth; }
  int TitleHeight() const { return FTitleHeight; }
  int RightWidth() const { return FRightWidth; }
  int BottomHeight() const { return FBottomHeight; }
  int MenuBarHeight() const { return FMenuBarHeight; }
  // The region last given to the window (the system owns it).
  HRGN Region() const { return FRegionHandle; }
  RECT TitleTextRect() const { return FTitleTextRect; }
  bool HoverTimerEnabled() const;
  const LOGFONTA& CaptionFontInfo() const { return FCaptionFontInfo; }
  HFONT CaptionFont() const { return FCaptionFont.Get(); }
  const std::wstring& CaptionPrefix() const { return FCaptionPrefix; }
  const std::wstring& CaptionSuffix() const { return FCaptionSuffix; }
  HBITMAP IconBitmap() const { return FIconBitmap.Get(); }

  // The skinned menu bar, or null.
  TWinSkinMenu* MenuBar() const { return FMenuBar.get(); }
  // The MDI client's notes to its frame: a new frame menu was set; the last
  // child went and the bar reads its menu again.
  void MenuBarAfterMDISetMenu();
  void MenuBarAfterLastMDIChild();
  // Draws the items of the form's menus (and of the system menu).
  TMenuItemPainter& MenuItems() { return *FMenuItems; }

  // The title button or menu-bar item under the mouse, if any.
  TNCObject* HotObject() const { return FHotObject; }
  void SetHotObject(TNCObject* Value) { FHotObject = Value; }
  // Lets the hot object go without painting it (the frame is repainted).
  void DropHotObject();

  // The title buttons of the current skin.
  TTitleButtons& TitleButtons() { return *FTitleButtons; }
  // The visible title button with an action under a window-relative point.
  TWinSysButton* TitleButtonAt(POINT WindowPoint) const;
  // A screen point relative to the window's top-left corner.
  POINT WindowToFramePoint(POINT Screen) const;
  // Shows the skinned system menu at a screen point (see TSystemMenu).
  void ShowSystemMenu(POINT Screen);
  TSystemMenu& SystemMenu() { return *FSystemMenu; }
  void ToggleMaximize();
  void ToggleMinimize();
  void RestoreWindow();
  void StopHoverTimer();
  void RebuildIconBitmap() { BuildIconBitmap(); }
  HICON IconHandle() const { return FIconHandle; }
  HMENU SystemMenuHandle() const { return FSystemMenuHandle; }
  HWND MDIClientHandle() const { return FMDIClientHandle; }
  bool Sizeable() const { return FSizeable; }
  int WindowWidth() const { return FWindowWidth; }
  // The title bar as last painted, without its buttons.
  const TPixelBuffer& TitleBackground() const { return FTitleBackground; }

 private:
  friend class TFramePainter;
  friend class TTitleActions;

  // Takeover steps.
  void TakeOver(TSkinData* Data);
  void ReadWindowFacts();
  void ReadCapabilities(LONG Style, LONG ExStyle);
  void ReadBorderKind(LONG Style, LONG ExStyle);
  void FindMDIClient();
  void InstallWindowProc();
  void InterceptFormWindowProc();
  void ReplaceMDIClientProc();
  void RestoreMDIClientProc();
  void RestoreWindowProc();
  void RestoreFormWindowProc();
  int ReadWindowState() const;

  // Activation.
  void Activate();
  void BuildIconBitmap();
  void ResizeToSkinFrame(bool Refresh);
  int WidenDialogForCaption(int Width);
  void FinishSkinning();
  void RefreshFrame();

  // The window procedure, in stages.
  static LRESULT CALLBACK SkinWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  void WindowProcedure(TMessage& Message);
  bool Stage1(TMessage& Message);
  bool Stage2(TMessage& Message, bool& Continue);
  bool Stage3(TMessage& Message);
  void PassOn(TMessage& Message);

  // One handler per message.
  bool OnEarlyNcActivate(TMessage& Message);
  void OnEraseBackground(TMessage& Message);
  void OnNcDestroy(TMessage& Message);
  void OnInitMenuPopup(TMessage& Message);
  void OnCtlColorBtn(TMessage& Message);
  void OnCtlColorStatic(TMessage& Message);
  void OnReplaceScrollPainter(TMessage& Message);
  void OnIsSkinned(TMessage& Message);
  void SizeChanged(TMessage& Message);
  void OnGetMinMaxInfo(TMessage& Message);
  void OnWindowPosChanged(TMessage& Message);
  void OnCommand(TMessage& Message);
  void OnSysCommand(TMessage& Message);
  void OnMenuChanged(TMessage& Message);
  void OnNcCalcSize(TMessage& Message);
  void OnNcHitTest(TMessage& Message);
  void OnNcPaint(TMessage& Message);
  void OnNcActivate(TMessage& Message);
  // A non-client mouse message for the title bar; passed on unless answered.
  void OnTitleMouse(bool (TTitleActions::*Handler)(TMessage&), TMessage& Message);
  void OnSetText(TMessage& Message);
  void OnSetIcon(TMessage& Message);
  // The skinned menu bar's messages.
  void BuildMenuBar();
  // The window has a native menu bar again: the skinned bar takes it.
  void TakeNewMenuBar();

  bool OnKeyMenu(TMessage& Message);
  void OnOpenMenuItem(TMessage& Message);
  void OnMenuSelect(TMessage& Message);
  void OnMenuItemMessage(TMessage& Message);
  void OnFormDialogChar(TMessage& Message);
  void MenusOwnerDraw(bool On);

  // The form object's WindowProc, while intercepted.
  void FormWindowProc(TMessage& Message);
  void OnFormSetText(TMessage& Message);
  void OnPaintFrameDC(TMessage& Message);
  void OnFormRelease(TMessage& Message);

  void HoverTimerTick(TObject*);
  void ReleaseToolbars();
  void SetSysMenuStyle(bool Remove);
  void ReleaseUnframed();
  void FreePainters();
  void RestoreColor();
  void RestoreSize();
  void DeleteRegion();
  void RemoveRegion();
  bool SkinLoaded() const;
  bool IsMDIChildNotNormal() const { return FFormKind == fkMDIChild && FWindowState != wsNormal; }

  HWND FHandle = nullptr;
  TWinControl* FForm = nullptr;
  TSkinData* FSkinData = nullptr;
  std::string FClassNameText;
  WNDPROC FOldWndProc = nullptr;
  WNDPROC FWndProcInstance = nullptr;
  TWndMethod FOldFormWindowProc;
  bool FFormProcIntercepted = false;
  HWND FMDIClientHandle = nullptr;
  std::unique_ptr<TMDIClientHook> FMDIClient;
  bool FFrameSkinned = false;
  int FSkinState = ssTakenOver;
  int FFormKind = fkNormal;
  int FBorderKind = bkSingle;
  int FWindowState = wsNormal;
  int FActive = 1;
  bool FRightToLeft = false;
  bool FIsChildWindow = false;
  bool FSizeable = false;
  bool FIsUnicodeWindow = false;
  bool FIsDialog = false;
  int FCapabilities = 0;
  LONG FSavedStyle = 0;
  // What the takeover took away, to give back.
  bool FHidVisibleBit = false;
  bool FRemovedSysMenu = false;
  int FLeftWidth = 0, FTitleHeight = 0, FRightWidth = 0, FBottomHeight = 0;
  int FMenuBarHeight = 0;
  RECT FSavedClientRect{};
  RECT FNativeFrameSize{};
  RECT FWindowRect{};
  int FWindowWidth = 0, FWindowHeight = 0;
  RECT FTitleTextRect{};
  int FButtonReserve = 0;
  HRGN FRegionHandle = nullptr;
  bool FRegionOwned = false;
  SIZE FRegionSize{};
  LOGFONTA FCaptionFontInfo{};
  TFontHandle FCaptionFont;
  std::wstring FCaptionPrefix = L"  ";
  std::wstring FCaptionSuffix = L" ";
  HICON FIconHandle = nullptr;
  int FIconSize = 0;
  TBitmapHandle FIconBitmap;
  UINT FDoubleClickTime = 0;
  std::unique_ptr<TTimer> FHoverTimer;
  TNCObject* FHotObject = nullptr;
  std::unique_ptr<TMenuItemPainter> FMenuItems;
  std::unique_ptr<TWinSkinMenu> FMenuBar;
  std::unique_ptr<TTitleButtons> FTitleButtons;
  std::unique_ptr<TTitleActions> FTitleActions;
  std::unique_ptr<TSystemMenu> FSystemMenu;
  TPixelBuffer FTitleBackground;
  HMENU FSystemMenuHandle = nullptr;
  HMENU FMainMenuHandle = nullptr;
  std::vector<TSkinControl*> FPainters;
  std::unique_ptr<TToolbarSkin> FToolbars;
  int FSavedColor = 0;
  bool FColorReplaced = false;
  std::unique_ptr<TCanvas> FCanvasWork;
  std::unique_ptr<TCanvas> FCanvasPaint;
};
