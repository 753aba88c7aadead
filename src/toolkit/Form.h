#pragma once
// A top-level window made from a form description: border style and
// icons, position, client size, caption, menu, the control that has the
// focus, and show, close and paint events. A form can be an MDI parent
// (its children live in its client window, listed in its window menu) or
// an MDI child of one.

#include <memory>
#include <string_view>

#include "toolkit/Canvas.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ShortCut.h"

class TMainMenu;
class TMenuItem;
class TMDIClient;

FW_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
FW_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
FW_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
        poDesktopCenter, poMainFormCenter, poOwnerFormCenter)
FW_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
using TCloseEvent = TEvent<TObject*, TCloseAction&>;
FW_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
FW_ENUM(TTileMode, tbHorizontal, tbVertical)
FW_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)

class TCustomForm : public TWinControl {
  FW_CLASS(TCustomForm)
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  // Reads the form description stored as an RCDATA resource named after
  // the form's class (TForm1) in Module (null: the program); throws
  // EFormError or EComponentError.
  void LoadFromResource(HMODULE Module = nullptr);
  void ReadDescription(std::string_view Text);

  void Close();
  // Frees the form once the messages now waiting are handled; safe to call
  // from its own event handlers.
  void Release();

  TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons GetBorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TPosition GetPosition() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  TFormStyle GetFormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  TWindowState GetWindowState() const;
  void SetWindowState(TWindowState Value);

  // MDI parents: the client window (null until the form has a window), the
  // active child, the children, arranging them, and the menu item whose
  // sub-menu lists them.
  HWND ClientHandle() const;
  TCustomForm* ActiveMDIChild() const;
  int MDIChildCount() const;
  TCustomForm* MDIChildren(int Index) const;
  TMenuItem* GetWindowMenu() const { return FWindowMenu; }
  void SetWindowMenu(TMenuItem* Value);
  TTileMode GetTileMode() const { return FTileMode; }
  void SetTileMode(TTileMode Value) { FTileMode = Value; }
  void Tile();
  void Cascade();
  void ArrangeIcons();
  void Next();
  void Previous();
  // MDI children: the parent form whose client holds this child.
  TCustomForm* MDIParent() const;
  int GetClientWidth() const;
  void SetClientWidth(int Value);
  int GetClientHeight() const;
  void SetClientHeight(int Value);
  TWinControl* GetActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Value);
  TMainMenu* GetMenu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);
  // Called by the menu when its items change.
  void MenuChanged();
  // Clicks the item of the form's menu (for an MDI child, else of its
  // parent's) with that shortcut; false when there is none.
  bool IsShortCut(TShortCut ShortCut);

  TCanvas& Canvas() { return FCanvas; }

  // A control of this form received the focus.
  void FocusChanged(TWinControl* Control);

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnCreate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  void VisibleChanged() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DefaultHandler(TMessage& Message) override;
  HWND CreateWindowHandle(const TCreateParams& Params, const std::string& ClassName) override;
  void DestroyWindowHandle() override;
  virtual void DoShow() { OnShow(this); }
  virtual void DoHide() { OnHide(this); }

 private:
  void ApplyClientSize();
  DWORD WindowStyle() const;
  DWORD WindowExStyle() const;
  // Gives the live window the style bits of BorderStyle, BorderIcons and
  // BiDiMode, keeping its client size.
  void UpdateFrameStyle();
  void BiDiModeChanged() override;
  TCustomForm* FindMDIParent() const;
  void CreateMDIClient();
  void UpdateMenuBar();
  // Puts the focus on the active control, else on the first tab stop.
  void FocusActiveControl();
  void ActivateHandler(TMessage& Message);
  void MDIActivateHandler(TMessage& Message);
  void ApplyWindowState();

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TPosition FPosition = poDesigned;
  TFormStyle FFormStyle = fsNormal;
  TWindowState FWindowState = wsNormal;
  TTileMode FTileMode = tbHorizontal;
  TMenuItem* FWindowMenu = nullptr;
  std::unique_ptr<TMDIClient> FClient;
  // The MDI client an MDI child's window was made in.
  HWND FParentClient = nullptr;
  int FClientWidth = -1;
  int FClientHeight = -1;
  TWinControl* FActiveControl = nullptr;
  TMainMenu* FMenu = nullptr;
  TCanvas FCanvas;
};

// The plain form class; application forms derive from it.
class TForm : public TCustomForm {
  FW_CLASS(TForm)
 public:
  using TCustomForm::TCustomForm;
};

// The form a control sits on, or null.
TCustomForm* GetParentForm(TControl* Control);
