#pragma once
// A top-level window made from a form description: border style and
// icons, position, client size, caption, menu, the control that has the
// focus, and show, close and paint events.

#include <memory>
#include <string_view>

#include "toolkit/Canvas.h"
#include "toolkit/WinControl.h"

class TMainMenu;

FW_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
FW_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
FW_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
        poDesktopCenter, poMainFormCenter, poOwnerFormCenter)
FW_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
using TCloseEvent = TEvent<TObject*, TCloseAction&>;

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

  TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons GetBorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TPosition GetPosition() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
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
  virtual void DoShow() { OnShow(this); }
  virtual void DoHide() { OnHide(this); }

 private:
  void ApplyClientSize();
  DWORD WindowStyle() const;
  DWORD WindowExStyle() const;

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TPosition FPosition = poDesigned;
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
