#pragma once
// A tool bar over the system ToolbarWindow32 control, kept along the top
// of its parent: a row of TToolButton children, with images from Images
// and, with ShowCaptions, their captions. Given a Menu, it makes one
// button per top-level item of that menu, which opens the item's sub-items
// (a menu bar made of buttons). Its owner can paint the bar and each
// button itself through OnCustomDraw and OnCustomDrawButton; a button
// handler that keeps DefaultDraw paints the face, and the bar then draws
// the glyph and caption over it in the canvas's font colour.

#include <vector>

#include "toolkit/Canvas.h"
#include "toolkit/ImageList.h"
#include "toolkit/ToolButton.h"
#include "toolkit/ToolWindow.h"

class TMainMenu;
class TToolBar;

FW_ENUM(TCustomDrawStateFlag, cdsSelected, cdsGrayed, cdsDisabled, cdsChecked, cdsFocused,
        cdsDefault, cdsHot, cdsMarked, cdsIndeterminate)
using TCustomDrawState = TSet<TCustomDrawStateFlag>;

// DefaultDraw starts true; false leaves the painting to the handler.
using TTBCustomDrawEvent = TEvent<TToolBar*, const RECT&, bool&>;
using TTBCustomDrawBtnEvent = TEvent<TToolBar*, TToolButton*, TCustomDrawState, bool&>;

class TToolBar : public TToolWindow {
  FW_CLASS(TToolBar)
 public:
  explicit TToolBar(TComponent* AOwner);
  ~TToolBar() override;

  // The buttons are the system tool bar's own.
  bool DrawsItsOwnControls() const override { return true; }

  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  TToolButton* Buttons(int Index) const { return FButtons.at(Index); }
  TToolButton* ButtonByCommand(int Command) const;

  bool GetFlat() const { return FFlat; }
  void SetFlat(bool Value);
  bool GetShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool Value);
  bool GetList() const { return FList; }
  void SetList(bool Value);
  bool GetWrapable() const { return FWrapable; }
  void SetWrapable(bool Value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  int GetButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  int GetButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(int Value);
  int GetIndent() const { return FIndent; }
  void SetIndent(int Value);
  TImageList* GetImages() const { return FImages; }
  void SetImages(TImageList* Value);
  TMainMenu* GetMenu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);
  TCanvas& Canvas() { return FCanvas; }

  // Shows the buttons as they are now (buttons call it when they change).
  void ButtonsChanged();
  void Loaded() override;

  TTBCustomDrawEvent OnCustomDraw;
  TTBCustomDrawBtnEvent OnCustomDrawButton;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual bool CustomDraw(const RECT& Rect);
  virtual bool CustomDrawButton(TToolButton* Button, TCustomDrawState State);

 private:
  friend class TToolButton;
  void InsertButton(TToolButton* Button);
  void RemoveButton(TToolButton* Button);
  void RebuildButtons();
  void PlaceButtons();
  void ButtonCommand(int Command);
  bool HandleNotify(TMessage& Message);
  LRESULT HandleCustomDraw(NMTBCUSTOMDRAW& Draw);
  void MakeMenuButtons();

  std::vector<TToolButton*> FButtons;
  bool FFlat = false;
  bool FShowCaptions = false;
  bool FList = false;
  bool FWrapable = true;
  bool FTransparent = false;
  int FButtonWidth = 23;
  int FButtonHeight = 22;
  int FIndent = 0;
  TImageList* FImages = nullptr;
  TMainMenu* FMenu = nullptr;
  std::vector<TToolButton*> FMenuButtons;
  TCanvas FCanvas;
  bool FRebuilding = false;
};
