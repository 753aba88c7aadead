#include "skin/frame/FormSkinner.h"

#include <windowsx.h>

#include <algorithm>
#include <unordered_map>

#include "skin/engine/EngineMessages.h"
#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinManager.h"
#include "skin/engine/WindowText.h"
#include "skin/frame/FramePainter.h"
#include "skin/frame/MDIClientHook.h"
#include "skin/frame/NCObject.h"
#include "skin/frame/SystemMenu.h"
#include "skin/frame/TitleActions.h"
#include "skin/frame/TitleButtons.h"
#include "skin/frame/ToolbarSkin.h"
#include "skin/frame/WindowRegion.h"
#include "skin/imaging/FrameGeometry.h"
#include "skin/imaging/SkinSystem.h"
#include "skin/painters/SkinControl.h"
#include "skin/painters/SkinScrollbar.h"
#include "skin/recognition/ControlRecognition.h"
#include "toolkit/Canvas.h"
#include "toolkit/Form.h"
#include "toolkit/Timer.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TWinSkinForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWinSkinForm>("TWinSkinForm", &TComponent::StaticClass()).Info();
  return info;
}

namespace {

// The skinned windows and their skinners. Every message a skinned window
// gets looks its skinner up, so not through a window property (which can
// cost the platform a round trip to another process); the hook takes only
// windows of its own thread.
std::unordered_map<HWND, TWinSkinForm*>& Skinners() {
  thread_local std::unordered_map<HWND, TWinSkinForm*> skinners;
  return skinners;
}

TWinSkinForm* SkinnerOf(HWND Window) {
  const auto& skinners = Skinners();
  const auto it = skinners.find(Window);
  return it == skinners.end() ? nullptr : it->second;
}

constexpr UINT kFrameRefreshFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

TColor FaceColour(const TSkinData* Data) {
  return Data ? ResolveColor(Data->Skin().Colours.ButtonFace) : ResolveColor(SystemColor(15));
}

int Width(const RECT& R) {
  return R.right - R.left;
}
int Height(const RECT& R) {
  return R.bottom - R.top;
}

}  // namespace

TWinSkinForm::TWinSkinForm(TComponent* AOwner)
    : TComponent(AOwner),
      FTitleButtons(std::make_unique<TTitleButtons>(*this)),
      FTitleActions(std::make_unique<TTitleActions>(*this)),
      FSystemMenu(std::make_unique<TSystemMenu>(*this)),
      FCanvasWork(std::make_unique<TCanvas>()),
      FCanvasPaint(std::make_unique<TCanvas>()) {
  FDoubleClickTime = GetDoubleClickTime();
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
    FCaptionFontInfo = metrics.lfCaptionFont;
  else
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof FCaptionFontInfo, &FCaptionFontInfo);
  FCaptionFont.Reset(CreateFontIndirectA(&FCaptionFontInfo));
}

TWinSkinForm::~TWinSkinForm() {
  if (TakenOver() && IsWindow(FHandle)) ReleaseWindow();
  FreePainters();
  FHoverTimer.reset();
  FSystemMenu->Release();
  FTitleButtons->Clear();
  if (TSkinManage* manager = TSkinManage::Instance()) manager->ForgetFormSkinner(this);
}

// ---------------------------------------------------------------------------
// Takeover

void TWinSkinForm::SkinForm(TSkinData* Data, TWinControl* Form) {
  if (TakenOver()) return;
  FForm = Form;
  if (Data->OnBeforeSkinForm.Assigned()) Data->OnBeforeSkinForm(Form, FHandle, FClassNameText);
  if (Data->GetSkinControls().Contains(xcMenuItem)) SetPropByName(Form, "AutoScroll", "False");
  TakeOver(Data);
  if (!TakenOver() || !FFrameSkinned || !FForm) return;
  InterceptFormWindowProc();
  FSavedColor = FForm->GetColor();
  FColorReplaced = true;
  FForm->SetColor(Data->Skin().Colours.ButtonFace);
  // Owner-drawn main menu items come with the skinned menu bar; nothing is
  // switched here yet.
}

void TWinSkinForm::SkinWindow(TSkinData* Data) {
  if (TakenOver()) return;
  TakeOver(Data);
}

void TWinSkinForm::TakeOver(TSkinData* Data) {
  if (!FHandle || !Data) return;
  TSkinManage::Ensure().SetState(TSkinManage::msRunning);
  FSkinData = Data;
  FHoverTimer = std::make_unique<TTimer>(nullptr);
  FHoverTimer->SetEnabled(false);
  FHoverTimer->SetInterval(250);
  FHoverTimer->OnTimer = TNotifyEvent(this, &TWinSkinForm::HoverTimerTick);
  FFrameSkinned = Data->GetSkinControls().Contains(xcMainMenu);
  ReadWindowFacts();
  if (FFormKind == fkMDIParent) ReplaceMDIClientProc();
  InstallWindowProc();
  if (FFrameSkinned) {
    FMainMenuHandle = GetMenu(FHandle);
    // The skinned menu bar is not built yet: its band is reserved and
    // filled with the face colour.
    if (FMainMenuHandle && FFormKind != fkMDIChild) FMenuBarHeight = GetSystemMetrics(SM_CYMENU);
    UpdateFrameMetrics();
  } else {
    FSkinState = ssActive;
  }
  if (FFormKind == fkMDIChild) {
    const int native = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (FTitleHeight < native) FMenuBarHeight = native - FTitleHeight;
    if (FWindowState == wsMaximised) TSkinManage::Ensure().SetMDIChildMaximised(true);
  }
}

void TWinSkinForm::ReadWindowFacts() {
  const LONG style = GetWindowLongA(FHandle, GWL_STYLE);
  const LONG exStyle = GetWindowLongA(FHandle, GWL_EXSTYLE);
  FSavedStyle = style;
  FRightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
  FIsChildWindow = (style & WS_CHILD) != 0;
  if (FClassNameText.empty()) FClassNameText = WindowClassName(FHandle);
  ReadCapabilities(style, exStyle);
  FWindowState = ReadWindowState();
  FSizeable = (style & WS_THICKFRAME) != 0;
  FindMDIClient();
  if (exStyle & WS_EX_MDICHILD) {
    FFormKind = fkMDIChild;
    if (FSkinData->GetOptions().Contains(xoMDIChildBorder)) FFrameSkinned = false;
  }
  ReadBorderKind(style, exStyle);
  FIsUnicodeWindow = IsWindowUnicode(FHandle) != 0;
  if (FClassNameText == "#32770" || FClassNameText == "TMessageForm") {
    FIsDialog = true;
    FBorderKind = bkDialog;
  }
  if (GetVersion() & 0x80000000u) {
    TSkinControlTypes kinds = FSkinData->GetSkinControls();
    kinds.Exclude(xcSystemMenu);
    FSkinData->SetSkinControls(kinds);
  }
  TSkinManage& manager = TSkinManage::Ensure();
  if (manager.HideDuringSkinning() && !FIsChildWindow && FFrameSkinned && FBorderKind != bkNone &&
      (style & WS_VISIBLE)) {
    SetWindowLongA(FHandle, GWL_STYLE, style & ~WS_VISIBLE);
    FHidVisibleBit = true;
  }
}

void TWinSkinForm::ReadCapabilities(LONG Style, LONG ExStyle) {
  FCapabilities = 0;
  if ((Style & WS_SYSMENU) || FSystemMenuHandle) FCapabilities |= cpSystemMenu;
  if (Style & WS_MINIMIZEBOX) FCapabilities |= cpMinimise;
  if (Style & WS_MAXIMIZEBOX) FCapabilities |= cpMaximise;
  if (ExStyle & WS_EX_CONTEXTHELP) FCapabilities |= cpHelp;
  // Windows 2000 draws its own caption buttons unless the system-menu bit
  // stays.
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const bool windows2000 = GetVersionExA(&version) &&
                           version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
                           version.dwMajorVersion == 5 && version.dwMinorVersion == 0;
#pragma GCC diagnostic pop
  const bool ownerless = !GetWindow(FHandle, GW_OWNER) && !(ExStyle & WS_EX_MDICHILD);
  if (windows2000 && ((ExStyle & WS_EX_APPWINDOW) || ownerless)) FCapabilities |= cpKeepSysMenu;
}

void TWinSkinForm::ReadBorderKind(LONG Style, LONG ExStyle) {
  FBorderKind = bkSingle;
  if ((Style & WS_CAPTION) != WS_CAPTION)
    FBorderKind = bkNone;
  else if (Style & WS_THICKFRAME)
    FBorderKind = bkSizeable;
  else if (Style & DS_MODALFRAME)
    FBorderKind = bkDialog;
  if (ExStyle & WS_EX_DLGMODALFRAME) FBorderKind = bkDialog;
}

int TWinSkinForm::ReadWindowState() const {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(FHandle, &placement)) return FWindowState;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      return wsMinimised;
    case SW_SHOWMAXIMIZED:
      return wsMaximised;
    default:
      return wsNormal;
  }
}

void TWinSkinForm::FindMDIClient() {
  FFormKind = fkNormal;
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (LowerAscii(WindowClassName(child)) != "mdiclient") continue;
    FFormKind = fkMDIParent;
    FMDIClientHandle = child;
    TSkinManage::Ensure().SetMDIClient(child, FForm);
    return;
  }
}

void TWinSkinForm::InstallWindowProc() {
  Skinners()[FHandle] = this;
  FWndProcInstance = &TWinSkinForm::SkinWindowProc;
  const auto proc = reinterpret_cast<LONG_PTR>(FWndProcInstance);
  FOldWndProc =
      reinterpret_cast<WNDPROC>(FIsUnicodeWindow ? SetWindowLongPtrW(FHandle, GWLP_WNDPROC, proc)
                                                 : SetWindowLongPtrA(FHandle, GWLP_WNDPROC, proc));
}

void TWinSkinForm::RestoreWindowProc() {
  if (!FWndProcInstance) return;
  if (IsWindow(FHandle)) {
    const auto old = reinterpret_cast<LONG_PTR>(FOldWndProc);
    FIsUnicodeWindow ? SetWindowLongPtrW(FHandle, GWLP_WNDPROC, old)
                     : SetWindowLongPtrA(FHandle, GWLP_WNDPROC, old);
  }
  // Forgotten only once the old procedure is back in place.
  if (SkinnerOf(FHandle) == this) Skinners().erase(FHandle);
  FWndProcInstance = nullptr;
}

void TWinSkinForm::InterceptFormWindowProc() {
  FOldFormWindowProc = FForm->WindowProc;
  FForm->WindowProc = TWndMethod(this, &TWinSkinForm::FormWindowProc);
  FFormProcIntercepted = true;
}

void TWinSkinForm::RestoreFormWindowProc() {
  if (!FFormProcIntercepted) return;
  if (FForm) FForm->WindowProc = FOldFormWindowProc;
  FFormProcIntercepted = false;
}

void TWinSkinForm::ReplaceMDIClientProc() {
  if (FMDIClientHandle && !FMDIClient)
    FMDIClient = std::make_unique<TMDIClientHook>(*this, FMDIClientHandle);
}

void TWinSkinForm::RestoreMDIClientProc() {
  FMDIClient.reset();
}

void TWinSkinForm::UpdateFrameMetrics() {
  if (!FSkinData || !FSkinData->SkinLoaded()) return;
  if (FBorderKind == bkNone) {
    FLeftWidth = FTitleHeight = FRightWidth = FBottomHeight = FMenuBarHeight = 0;
    return;
  }
  const TFrameMetrics m = FrameMetricsOf(FSkinData->Skin());
  FLeftWidth = m.LeftWidth;
  FTitleHeight = m.TitleHeight;
  FRightWidth = m.RightWidth;
  FBottomHeight = m.BottomHeight;
  FHotObject = nullptr;
  FTitleButtons->Build(FSkinData->Skin());
}

void TWinSkinForm::DropTitleButtons() {
  FHotObject = nullptr;
  FTitleButtons->Clear();
}

// ---------------------------------------------------------------------------
// Activation

void TWinSkinForm::Activate() {
  FSystemMenuHandle = GetSystemMenu(FHandle, FALSE);
  if (FSystemMenuHandle) FCapabilities |= cpSystemMenu;
  BuildIconBitmap();
  RECT window, client;
  GetWindowRect(FHandle, &window);
  GetClientRect(FHandle, &client);
  FSavedClientRect = client;
  FNativeFrameSize = {0, 0, Width(window) - client.right, Height(window) - client.bottom};
  TSkinManage& manager = TSkinManage::Ensure();
  if (manager.HideDuringSkinning()) {
    manager.SetHideDuringSkinning(false);
    const LONG style = GetWindowLongA(FHandle, GWL_STYLE);
    if (!(style & WS_VISIBLE)) SetWindowLongA(FHandle, GWL_STYLE, style | WS_VISIBLE);
    FHidVisibleBit = false;
  }
  if (FForm)
    SkinFormControls(*this);
  else
    SkinChildWindows(*this);
  if (FSkinState == ssTakenOver) {
    if (FFormKind == fkMDIChild) {
      if (FWindowState == wsMaximised) {
        PostMessageA(manager.MDIClientHandle(), SM_REDRAWWINDOW, reinterpret_cast<WPARAM>(FHandle),
                     0);
      } else if (FWindowState == wsNormal) {
        FSkinState = ssResizing;
        ResizeToSkinFrame(false);
        FSkinState = ssActive;
        UpdateWindowRegion();
      }
    } else if (!FIsChildWindow && FBorderKind != bkNone && FWindowState != wsMinimised) {
      FSkinState = ssResizing;
      ResizeToSkinFrame(false);
      FSkinState = ssActive;
      if (FWindowState == wsNormal)
        UpdateWindowRegion();
      else
        RefreshFrame();
    }
  }
  FinishSkinning();
  FSkinState = ssActive;
  if (FHoverTimer) FHoverTimer->SetEnabled(true);
}

void TWinSkinForm::FinishSkinning() {
  SendMessageA(FHandle, SM_SKINDONE, 0, kEngineMessageTag);
  if (FSkinData && FSkinData->OnAfterSkinForm.Assigned())
    FSkinData->OnAfterSkinForm(FForm, FHandle, FClassNameText);
}

void TWinSkinForm::RefreshFrame() {
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kFrameRefreshFlags);
}

void TWinSkinForm::BuildIconBitmap() {
  FIconHandle = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_SMALL, 0));
  if (!FIconHandle)
    FIconHandle = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_BIG, 0));
  FIconSize = GetSystemMetrics(SM_CXSMICON);
  const int h = GetSystemMetrics(SM_CYSMICON);
  FIconBitmap.Reset();
  if (!FIconHandle) return;
  TIconHandle copy(
      static_cast<HICON>(CopyImage(FIconHandle, IMAGE_ICON, FIconSize, h, LR_COPYFROMRESOURCE)));
  if (!copy) copy.Reset(static_cast<HICON>(CopyImage(FIconHandle, IMAGE_ICON, FIconSize, h, 0)));
  HDC screen = GetDC(nullptr);
  TDCHandle dc(CreateCompatibleDC(screen));
  FIconBitmap.Reset(CreateCompatibleBitmap(screen, FIconSize, h));
  ReleaseDC(nullptr, screen);
  if (!dc || !FIconBitmap) return;
  HGDIOBJ old = SelectObject(dc.Get(), FIconBitmap.Get());
  TBrushHandle face(CreateSolidBrush(static_cast<COLORREF>(FaceColour(FSkinData))));
  RECT all{0, 0, FIconSize, h};
  FillRect(dc.Get(), &all, face.Get());
  DrawIconEx(dc.Get(), 0, 0, copy ? copy.Get() : FIconHandle, FIconSize, h, 0, nullptr, DI_NORMAL);
  SelectObject(dc.Get(), old);
}

// Sizes the window so that its client area keeps its size under the skin's
// frame.
void TWinSkinForm::ResizeToSkinFrame(bool Refresh) {
  if (FWindowState == wsMaximised) {
    RefreshFrame();
    return;
  }
  RECT window;
  GetWindowRect(FHandle, &window);
  if (FIsDialog || FSkinState == ssReapplying) GetClientRect(FHandle, &FSavedClientRect);
  int width = Width(FSavedClientRect) + FLeftWidth + FRightWidth;
  int clientHeight = Height(FSavedClientRect);
  if (Refresh) {
    RECT client;
    GetClientRect(FHandle, &client);
    clientHeight = client.bottom;
  } else if (auto* form = dynamic_cast<TCustomForm*>(FForm)) {
    width = form->GetClientWidth() + FLeftWidth + FRightWidth;
    clientHeight = form->GetClientHeight() - (FFormKind == fkMDIChild ? 0 : FMenuBarHeight);
  }
  const int height = clientHeight + FTitleHeight + FBottomHeight + FMenuBarHeight;
  if (FIsDialog && !Refresh) width = WidenDialogForCaption(width);
  SetWindowPos(FHandle, nullptr, window.left, window.top, std::max(width, 0), std::max(height, 0),
               SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
}

// A dialog whose caption does not fit is widened, its controls moved right
// by half the difference.
int TWinSkinForm::WidenDialogForCaption(int Width) {
  const std::wstring text = ReadCaptionText(FHandle);
  HDC dc = GetWindowDC(FHandle);
  HGDIOBJ old = SelectObject(dc, FCaptionFont.Get());
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(FHandle, dc);
  const TRect& m = FSkinData->Skin().Title->Margins;
  const int needed = m.Left + extent.cx + m.Right;
  if (Width >= needed) return Width;
  const int shift = (needed - Width) / 2;
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(
        child, nullptr, r.left + shift, r.top, 0, 0,
        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
  }
  return needed;
}

// ---------------------------------------------------------------------------
// The window procedure

LRESULT CALLBACK TWinSkinForm::SkinWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinSkinForm* skinner = SkinnerOf(Window);
  if (!skinner)
    return IsWindowUnicode(Window) ? DefWindowProcW(Window, Msg, WParam, LParam)
                                   : DefWindowProcA(Window, Msg, WParam, LParam);
  TMessage message{Msg, WParam, LParam, 0};
  try {
    skinner->WindowProcedure(message);
  } catch (...) {
    // Nothing crosses the window procedure.
  }
  return message.Result;
}

void TWinSkinForm::PassOn(TMessage& M) {
  if (!FOldWndProc) return;
  M.Result = FIsUnicodeWindow ? CallWindowProcW(FOldWndProc, FHandle, M.Msg, M.WParam, M.LParam)
                              : CallWindowProcA(FOldWndProc, FHandle, M.Msg, M.WParam, M.LParam);
}

void TWinSkinForm::WindowProcedure(TMessage& M) {
  if (FSkinState == ssTakenOver && M.Msg == WM_NCPAINT) {
    M.Result = 0;
    return;
  }
  if (Stage1(M)) return;
  if (!FFrameSkinned || (FIsChildWindow && FFormKind != fkMDIChild)) {
    PassOn(M);
    return;
  }
  bool goOn = false;
  if (Stage2(M, goOn) && !goOn) return;
  const bool maximisedMDIChild = FFormKind == fkMDIChild && FWindowState == wsMaximised;
  if (FSkinState != ssTakenOver && !maximisedMDIChild && Stage3(M)) return;
  PassOn(M);
}

// The dispatch tables list each message once, with the handler it goes to.
// clang-format off

// Every taken-over window. True when the message was dealt with.
bool TWinSkinForm::Stage1(TMessage& M) {
  switch (M.Msg) {
    case WM_ERASEBKGND:           OnEraseBackground(M);      return true;
    case WM_NCDESTROY:            OnNcDestroy(M);            return true;
    case WM_NCACTIVATE:           return OnEarlyNcActivate(M);
    case 0xAE:                    M.Result = 0;              return true;  // themed caption repaint
    case WM_INITMENUPOPUP:        OnInitMenuPopup(M);        return true;
    case WM_CTLCOLORBTN:          OnCtlColorBtn(M);          return true;
    case WM_CTLCOLORSTATIC:       OnCtlColorStatic(M);       return true;
    case SM_ACTIVATE:             Activate();                return true;
    case SM_REPLACESCROLLPAINTER: OnReplaceScrollPainter(M); return true;
    case SM_ISSKINNED:            OnIsSkinned(M);            return true;
    default:                      return false;
  }
}

// Frame-skinned windows. True when the message was dealt with; Continue
// asks for stage 3 all the same.
bool TWinSkinForm::Stage2(TMessage& M, bool& Continue) {
  Continue = false;
  switch (M.Msg) {
    case WM_SIZE:             SizeChanged(M);        return true;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:       FActive = LOBYTE(M.WParam); Continue = true; return false;
    case WM_GETMINMAXINFO:    OnGetMinMaxInfo(M);    return true;
    case WM_WINDOWPOSCHANGED: OnWindowPosChanged(M); return true;
    case WM_COMMAND:          OnCommand(M);          return true;
    case WM_SYSCOMMAND:       OnSysCommand(M);       return true;
    case SM_OPENMENUITEM:     M.Result = 0;          return true;  // the skinned menu bar's
    case CM_MENUCHANGED:      OnMenuChanged(M);      return true;
    default:                  return false;
  }
}

// Frame-skinned windows past activation. True when the message was dealt
// with. Owner-drawn native menu items and the menu bar are not skinned yet:
// WM_DRAWITEM, WM_MEASUREITEM and WM_WINDOWPOSCHANGING go to the native
// procedure.
bool TWinSkinForm::Stage3(TMessage& M) {
  switch (M.Msg) {
    case WM_NCCALCSIZE:      OnNcCalcSize(M);          return true;
    case WM_NCHITTEST:       OnNcHitTest(M);           return true;
    case WM_NCPAINT:         OnNcPaint(M);             return true;
    case WM_NCACTIVATE:      OnNcActivate(M);          return true;
    case WM_NCMOUSEMOVE:     OnTitleMouse(&TTitleActions::NcMouseMove, M);     return true;
    case WM_NCLBUTTONDOWN:   OnTitleMouse(&TTitleActions::NcLButtonDown, M);   return true;
    case WM_NCLBUTTONUP:     OnTitleMouse(&TTitleActions::NcLButtonUp, M);     return true;
    case WM_NCLBUTTONDBLCLK: OnTitleMouse(&TTitleActions::NcLButtonDblClk, M); return true;
    case WM_NCRBUTTONDOWN:   OnTitleMouse(&TTitleActions::NcRButtonDown, M);   return true;
    case SM_REPAINTFRAME:    PaintNonClient(nullptr);  return true;
    case WM_SETTEXT:         OnSetText(M);             return true;
    case WM_SETICON:         OnSetIcon(M);             return true;
    default:                 return false;
  }
}

// clang-format on

// Before activation the native procedure must not repaint the caption, so
// the change of activation is refused until then.
bool TWinSkinForm::OnEarlyNcActivate(TMessage& M) {
  if (FSkinState == ssTakenOver && FFormKind != fkMDIChild) {
    M.Result = 0;
    return true;
  }
  if (FFrameSkinned) return false;
  PassOn(M);
  return true;
}

void TWinSkinForm::OnEraseBackground(TMessage& M) {
  PassOn(M);
  if (FForm) return;
  RECT client;
  GetClientRect(FHandle, &client);
  TBrushHandle face(CreateSolidBrush(static_cast<COLORREF>(FaceColour(FSkinData))));
  FillRect(reinterpret_cast<HDC>(M.WParam), &client, face.Get());
  M.Result = 1;
}

void TWinSkinForm::OnNcDestroy(TMessage& M) {
  FSkinState = ssDestroying;
  ReleaseWindow();
  PassOn(M);
  FSkinState = ssDestroyed;
}

void TWinSkinForm::OnInitMenuPopup(TMessage& M) {
  const bool system = reinterpret_cast<HMENU>(M.WParam) == FSystemMenuHandle;
  TSkinManage::Ensure().SetPopupMenuKind(system ? TSkinManage::pkSystemMenu
                                                : TSkinManage::pkWindowMenu);
  PassOn(M);
}

void TWinSkinForm::OnCtlColorBtn(TMessage& M) {
  PassOn(M);
  if (!FForm) SetBkMode(reinterpret_cast<HDC>(M.WParam), TRANSPARENT);
}

void TWinSkinForm::OnCtlColorStatic(TMessage& M) {
  PassOn(M);
  if (FForm || !FSkinData) return;
  SetBkMode(reinterpret_cast<HDC>(M.WParam), TRANSPARENT);
  // A stock-like brush of the face colour, kept as long as the DC may use it.
  static TBrushHandle face;
  static COLORREF faceColour = CLR_INVALID;
  const auto colour = static_cast<COLORREF>(FaceColour(FSkinData));
  if (!face || colour != faceColour) {
    face.Reset(CreateSolidBrush(colour));
    faceColour = colour;
  }
  M.Result = reinterpret_cast<LRESULT>(face.Get());
}

void TWinSkinForm::OnReplaceScrollPainter(TMessage& M) {
  M.Result = TSkinScrollbar::ReplaceFor(*this, reinterpret_cast<HWND>(M.WParam)) ? 1 : 0;
}

void TWinSkinForm::OnIsSkinned(TMessage& M) {
  M.Result = 1;
  PostMessageA(FHandle, SM_SKINDONE, 0, kEngineMessageTag);
}

void TWinSkinForm::SizeChanged(TMessage& M) {
  PassOn(M);
  switch (M.WParam) {
    case SIZE_RESTORED:
      FWindowState = wsNormal;
      break;
    case SIZE_MINIMIZED:
      FWindowState = wsMinimised;
      break;
    case SIZE_MAXIMIZED:
      FWindowState = wsMaximised;
      break;
    default:
      break;
  }
  if (FWindowState == wsMinimised) return;
  // An MDI child maximised or restored by its client (not through its own
  // system command) switches the children's maximised state too, so that no
  // maximised child keeps the region of its normal size.
  if (FFormKind == fkMDIChild && M.WParam == SIZE_MAXIMIZED)
    TSkinManage::Ensure().SetMDIChildMaximised(true);
  else if (FFormKind == fkMDIChild && M.WParam == SIZE_RESTORED &&
           TSkinManage::Ensure().MDIChildMaximised())
    TSkinManage::Ensure().SetMDIChildMaximised(false);
  if (FFormKind == fkMDIChild &&
      (TSkinManage::Ensure().MDIChildMaximised() || FWindowState != wsNormal))
    return;
  if (FSkinState == ssActive || FSkinState == ssReapplying) UpdateWindowRegion();
}

// A maximised window fills the work area exactly: no part of its frame lies
// outside it.
void TWinSkinForm::OnGetMinMaxInfo(TMessage& M) {
  PassOn(M);
  FWindowState = ReadWindowState();
  if (FFormKind == fkMDIChild || FIsChildWindow || FSkinState == ssTakenOver) return;
  HMONITOR monitor = MonitorFromWindow(FHandle, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoA(monitor, &info)) return;
  auto* mmi = reinterpret_cast<MINMAXINFO*>(M.LParam);
  mmi->ptMaxPosition = {info.rcWork.left - info.rcMonitor.left,
                        info.rcWork.top - info.rcMonitor.top};
  mmi->ptMaxSize = {Width(info.rcWork), Height(info.rcWork)};
}

void TWinSkinForm::OnWindowPosChanged(TMessage& M) {
  FWindowState = ReadWindowState();
  PassOn(M);
}

void TWinSkinForm::OnCommand(TMessage& M) {
  switch (LOWORD(M.WParam)) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      PostMessageA(FHandle, WM_SYSCOMMAND, LOWORD(M.WParam), 0);
      M.Result = 0;
      return;
    default:
      PassOn(M);
  }
}

void TWinSkinForm::OnSysCommand(TMessage& M) {
  // Alt+Space: the skinned system menu under the caption. The native one
  // stays shut: the system-menu bit is off while the skin paints the frame.
  if ((M.WParam & 0xFFF0) == SC_KEYMENU && M.LParam == ' ') {
    POINT corner{0, 0};
    ClientToScreen(FHandle, &corner);
    ShowSystemMenu(corner);
  }
  switch (M.WParam & 0xFFF0) {
    case SC_MINIMIZE:
      FWindowState = wsMinimised;
      break;
    case SC_MAXIMIZE:
      FWindowState = wsMaximised;
      RemoveRegion();
      break;
    case SC_RESTORE:
      FWindowState = wsNormal;
      if (FFormKind == fkMDIChild) TSkinManage::Ensure().SetMDIChildMaximised(false);
      break;
    default:
      break;
  }
  PassOn(M);
}

void TWinSkinForm::OnMenuChanged(TMessage& M) {
  const bool painting = FSkinData ? FSkinData->FramePainting : true;
  if (FSkinData) FSkinData->FramePainting = false;
  PassOn(M);
  if (FSkinData) FSkinData->FramePainting = painting;
  // The skinned menu bar, once built, takes the new menu here; until then
  // the native menu bar stays so that the menu remains reachable.
}

void TWinSkinForm::OnNcCalcSize(TMessage& M) {
  PassOn(M);
  if (!M.WParam) {
    M.Result = 0;
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(M.LParam);
  if (IsMDIChildNotNormal() || FBorderKind == bkNone) {
    params->rgrc[1] = params->rgrc[0];
    M.Result = WVR_VALIDRECTS;
    return;
  }
  const WINDOWPOS& pos = *params->lppos;
  RECT client{pos.x + FLeftWidth, pos.y + FTitleHeight + FMenuBarHeight,
              pos.x + pos.cx - FRightWidth, pos.y + pos.cy - FBottomHeight};
  // A frame larger than the window leaves an empty client area, never an
  // inverted one.
  client.right = std::max(client.right, client.left);
  client.bottom = std::max(client.bottom, client.top);
  params->rgrc[0] = client;
  params->rgrc[1] = client;
  M.Result = WVR_VALIDRECTS;
}

POINT TWinSkinForm::WindowToFramePoint(POINT Screen) const {
  POINT p = Screen;
  ScreenToClient(FHandle, &p);
  if (FFormKind == fkMDIChild && FWindowState == wsMinimised) return p;
  p.x += FLeftWidth;
  p.y += FTitleHeight + FMenuBarHeight;
  return p;
}

void TWinSkinForm::OnNcHitTest(TMessage& M) {
  PassOn(M);
  if (M.Result != HTNOWHERE && M.Result != HTCAPTION) return;
  const POINT p = WindowToFramePoint({GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)});
  if (p.y > 3) M.Result = HTCAPTION;
  if (p.y > FTitleHeight && FMenuBarHeight > 0) M.Result = HTMENU;
}

void TWinSkinForm::OnNcPaint(TMessage& M) {
  SetSysMenuStyle(true);
  if (FSkinData && FSkinData->FramePainting) {
    const bool maximisedMDIChild = FFormKind == fkMDIChild && FWindowState == wsMaximised;
    if (maximisedMDIChild || FBorderKind == bkNone)
      PassOn(M);
    else
      PaintNonClient(nullptr);
  }
  M.Result = 0;
}

void TWinSkinForm::OnTitleMouse(bool (TTitleActions::*Handler)(TMessage&), TMessage& M) {
  if (!((*FTitleActions).*Handler)(M)) PassOn(M);
}

void TWinSkinForm::OnNcActivate(TMessage& M) {
  FActive = M.WParam ? 1 : 0;
  if (FHoverTimer) FHoverTimer->SetEnabled(FActive != 0);
  if (FFormKind == fkMDIParent && FMDIClientHandle)
    SendMessageA(FMDIClientHandle, WM_NCACTIVATE, M.WParam, 0);
  if (FFormKind == fkMDIChild) PassOn(M);
  if (!(FFormKind == fkMDIChild && FWindowState == wsMaximised)) PaintNonClient(nullptr);
  M.Result = 1;
}

// The native procedure paints its own caption when the text or the icon
// changes; it runs with the window marked invisible so that only the skin
// is drawn, at once afterwards.
void TWinSkinForm::OnSetText(TMessage& M) {
  const LONG style = GetWindowLongA(FHandle, GWL_STYLE);
  if (!(style & WS_VISIBLE) || FBorderKind == bkNone) {
    PassOn(M);
    return;
  }
  SetWindowLongA(FHandle, GWL_STYLE, style & ~WS_VISIBLE);
  PassOn(M);
  SetWindowLongA(FHandle, GWL_STYLE, GetWindowLongA(FHandle, GWL_STYLE) | WS_VISIBLE);
  PaintNonClient(nullptr);
}

void TWinSkinForm::OnSetIcon(TMessage& M) {
  OnSetText(M);
  BuildIconBitmap();
}

// ---------------------------------------------------------------------------
// The form object's WindowProc

// clang-format off
void TWinSkinForm::FormWindowProc(TMessage& M) {
  switch (M.Msg) {
    case WM_SETTEXT:      OnFormSetText(M);     return;
    case SM_SKINCHANGED:  ApplySkinChange();    return;
    case CM_DIALOGCHAR:   FOldFormWindowProc(M); return;  // the menu bar's accelerators
    case SM_PAINTFRAMEDC: OnPaintFrameDC(M);    return;
    case SM_QUERYSKIN:    M.Result = M.LParam == kEngineMessageTag ? kEngineMessageTag : 1; return;
    case CM_RELEASE:      OnFormRelease(M);     return;
    default:              FOldFormWindowProc(M); return;
  }
}
// clang-format on

void TWinSkinForm::OnPaintFrameDC(TMessage& M) {
  if (M.LParam != kEngineMessageTag) {
    FOldFormWindowProc(M);
    return;
  }
  if (M.WParam) PaintNonClient(reinterpret_cast<HDC>(M.WParam));
  M.Result = kEngineMessageTag;
}

// The form is going: its WindowProc is given back now.
void TWinSkinForm::OnFormRelease(TMessage& M) {
  TWndMethod previous = FOldFormWindowProc;
  RestoreFormWindowProc();
  previous(M);
}

void TWinSkinForm::OnFormSetText(TMessage& M) {
  if (!IsWindowVisible(FHandle)) {
    FOldFormWindowProc(M);
    return;
  }
  FOldFormWindowProc(M);
  if (FWindowState == wsMaximised && TSkinManage::Ensure().MDIClientHandle())
    PostMessageA(TSkinManage::Ensure().MDIClientHandle(), SM_REDRAWWINDOW,
                 reinterpret_cast<WPARAM>(FHandle), 0);
  if (FWindowState == wsMinimised)
    PaintNonClient(nullptr);
  else
    RefreshFrame();
}

void TWinSkinForm::MDIChildMaximisedChanged(bool Maximised) {
  if (FFormKind != fkMDIChild) return;
  if (Maximised) {
    SetWindowRgn(FHandle, nullptr, TRUE);
    DeleteRegion();
    return;
  }
  if (FWindowState == wsMinimised) return;
  FWindowState = wsNormal;
  UpdateWindowRegion();
  if (!FRegionHandle) RefreshFrame();
}

// ---------------------------------------------------------------------------
// Hover timer, system-menu style, painting

bool TWinSkinForm::HoverTimerEnabled() const {
  return FHoverTimer && FHoverTimer->GetEnabled();
}

// The mouse may leave a title object for the client area or another
// window without a non-client message saying so.
void TWinSkinForm::HoverTimerTick(TObject*) {
  if (!FHotObject) return;
  if (!SkinLoaded()) {
    FHotObject = nullptr;
    return;
  }
  POINT cursor;
  if (!GetCursorPos(&cursor)) return;
  if (FHotObject->Contains(WindowToFramePoint(cursor))) return;
  TNCObject* hot = FHotObject;
  hot->MouseLeave();
  FHotObject = nullptr;
}

void TWinSkinForm::StopHoverTimer() {
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
}

void TWinSkinForm::DropHotObject() {
  if (FHotObject) FHotObject->State = TNCObject::osNormal;
  FHotObject = nullptr;
}

// While a new skin is read the buttons' elements may be gone.
bool TWinSkinForm::SkinLoaded() const {
  return FSkinData && FSkinData->SkinLoaded();
}

TWinSysButton* TWinSkinForm::TitleButtonAt(POINT WindowPoint) const {
  return SkinLoaded() ? FTitleButtons->ButtonAt(WindowPoint) : nullptr;
}

void TWinSkinForm::ShowSystemMenu(POINT Screen) {
  FSystemMenu->Show(Screen);
}

void TWinSkinForm::ToggleMaximize() {
  FTitleActions->ToggleMaximize();
}

void TWinSkinForm::ToggleMinimize() {
  FTitleActions->ToggleMinimize();
}

void TWinSkinForm::RestoreWindow() {
  FTitleActions->RestoreWindow();
}

void TWinSkinForm::SetSysMenuStyle(bool Remove) {
  if (FCapabilities & cpKeepSysMenu) return;
  FSavedStyle = GetWindowLongA(FHandle, GWL_STYLE);
  LONG style = FSavedStyle;
  if (Remove && (style & WS_SYSMENU)) {
    style &= ~WS_SYSMENU;
    FRemovedSysMenu = true;
  } else if (!Remove && FRemovedSysMenu) {
    style |= WS_SYSMENU;
    FRemovedSysMenu = false;
  }
  if (style != FSavedStyle) SetWindowLongA(FHandle, GWL_STYLE, style);
}

void TWinSkinForm::PaintNonClient(HDC DC) {
  TFramePainter(*this).PaintNonClient(DC);
}

void TWinSkinForm::UpdateWindowRegion() {
  if (FSkinState == ssDestroyed || !FFrameSkinned || !FSkinData || IsMDIChildNotNormal()) return;
  // A maximised window fills the work area and needs no outline; its
  // region went before it was maximised.
  if (FWindowState == wsMaximised) return;
  RECT window;
  if (!GetWindowRect(FHandle, &window)) return;
  const int w = Width(window), h = Height(window);
  if (w <= 0 || h <= 0) return;
  if (w == FRegionSize.cx && h == FRegionSize.cy && FFormKind != fkMDIChild &&
      FSkinState != ssReapplying)
    return;
  TFrameRegionInput input;
  input.Skin = &FSkinData->Skin();
  input.Metrics = {FLeftWidth, FTitleHeight, FRightWidth, FBottomHeight};
  input.Width = w;
  input.Height = h;
  input.NoCaption = FBorderKind == bkNone;
  input.Active = FActive != 0;
  HRGN region = BuildFrameRegion(input);
  FRegionSize = {w, h};
  if (!region) return;
  // The system owns the region from here on and frees the one it replaces.
  SetWindowRgn(FHandle, region, TRUE);
  FRegionHandle = region;
  FRegionOwned = true;
}

// Under Wine a region changed while the window is maximised undoes the
// maximising, so it goes before.
void TWinSkinForm::RemoveRegion() {
  if (FRegionHandle) SetWindowRgn(FHandle, nullptr, TRUE);
  DeleteRegion();
}

void TWinSkinForm::DeleteRegion() {
  FRegionHandle = nullptr;
  FRegionOwned = false;
  FRegionSize = {};
}

// ---------------------------------------------------------------------------
// Painters

bool TWinSkinForm::RegisterPainter(TSkinControl* Painter) {
  if (std::find(FPainters.begin(), FPainters.end(), Painter) != FPainters.end()) return true;
  FPainters.push_back(Painter);
  return false;
}

void TWinSkinForm::UnregisterPainter(TSkinControl* Painter) {
  FPainters.erase(std::remove(FPainters.begin(), FPainters.end(), Painter), FPainters.end());
}

TSkinControl* TWinSkinForm::FindPainterByHandle(HWND Window) const {
  for (TSkinControl* painter : FPainters)
    if (painter->Handle() == Window) return painter;
  return nullptr;
}

void TWinSkinForm::FreePainters() {
  ReleaseToolbars();
  const std::vector<TSkinControl*> painters = FPainters;
  FPainters.clear();
  for (TSkinControl* painter : painters) {
    if (painter->Kind() != 6) painter->DetachNow();
    delete painter;
  }
}

// ---------------------------------------------------------------------------
// Release

void TWinSkinForm::ReleaseWindow() {
  if (!FFrameSkinned) {
    ReleaseUnframed();
    return;
  }
  FSystemMenu->Release();
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  if (TakenOver()) {
    RestoreFormWindowProc();
    RestoreWindowProc();
    FreePainters();
  }
  RestoreMDIClientProc();
}

void TWinSkinForm::ReleaseUnframed() {
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  FreePainters();
  if (FForm && FSkinState != ssDestroying) RestoreColor();
  RestoreFormWindowProc();
  RestoreWindowProc();
  RestoreMDIClientProc();
  if (FForm && FSkinState != ssDestroying)
    for (int i = 0; i < FForm->ComponentCount(); ++i)
      if (auto* control = dynamic_cast<TControl*>(FForm->Component(i))) control->Invalidate();
}

void TWinSkinForm::RestoreColor() {
  if (!FColorReplaced || !FForm) return;
  FForm->SetColor(FSavedColor);
  FColorReplaced = false;
}

void TWinSkinForm::UnskinWindow() {
  const bool framed = FFrameSkinned;
  ReleaseWindow();
  if (!framed) return;
  if (FSkinState != ssDestroying) RestoreColor();
  SetSysMenuStyle(false);
  if (FHidVisibleBit) {
    SetWindowLongA(FHandle, GWL_STYLE, GetWindowLongA(FHandle, GWL_STYLE) | WS_VISIBLE);
    FHidVisibleBit = false;
  }
  RestoreSize();
  SetWindowRgn(FHandle, nullptr, TRUE);
  DeleteRegion();
}

// The client area keeps its size under the native frame.
void TWinSkinForm::RestoreSize() {
  if (FSkinState == ssDestroying || (FIsChildWindow && FFormKind != fkMDIChild)) return;
  if (FSkinState == ssTakenOver) {
    // Never activated: the frame was never changed.
    RefreshFrame();
    return;
  }
  RECT window;
  GetWindowRect(FHandle, &window);
  POINT topLeft{window.left, window.top};
  if (FFormKind == fkMDIChild) ScreenToClient(GetParent(FHandle), &topLeft);
  const int width = Width(window) + FNativeFrameSize.right - FLeftWidth - FRightWidth;
  const int height =
      Height(window) + FNativeFrameSize.bottom - FTitleHeight - FBottomHeight - FMenuBarHeight;
  SetWindowPos(FHandle, nullptr, topLeft.x, topLeft.y, std::max(width, 0), std::max(height, 0),
               SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

// ---------------------------------------------------------------------------
// Skin change

void TWinSkinForm::ApplySkinChange() {
  if (!FSkinData) return;
  if (FForm) {
    FForm->SetColor(FSkinData->Skin().Colours.ButtonFace);
    for (int i = 0; i < FForm->ComponentCount(); ++i)
      if (auto* owned = dynamic_cast<TCustomForm*>(FForm->Component(i)))
        owned->SetColor(FSkinData->Skin().Colours.ButtonFace);
  }
  for (TSkinControl* painter : std::vector<TSkinControl*>(FPainters)) painter->SkinChanged();
  const int previous = FSkinState;
  FSkinState = ssReapplying;
  if (FFrameSkinned && previous != ssTakenOver) {
    ResizeToSkinFrame(true);
    UpdateWindowRegion();
    if (auto* form = dynamic_cast<TCustomForm*>(FForm)) {
      // Forces the form to lay its controls out again.
      form->SetHeight(form->GetHeight() + 1);
      form->SetHeight(form->GetHeight() - 1);
    }
    RedrawWindow(FHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  }
  FinishSkinning();
  FSkinState = previous == ssTakenOver ? ssTakenOver : ssActive;
}

// ---------------------------------------------------------------------------
// Tool bars

void TWinSkinForm::HookToolbar(TToolBar& ToolBar) {
  if (!FToolbars) FToolbars = std::make_unique<TToolbarSkin>(*this);
  FToolbars->Hook(ToolBar);
}

void TWinSkinForm::ReleaseToolbars() {
  FToolbars.reset();
}
