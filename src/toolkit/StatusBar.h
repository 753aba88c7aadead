#pragma once
// A status bar over the system msctls_statusbar32 control, kept along the
// bottom of its parent: a row of panels, or one simple text across the
// whole bar (SimplePanel), with a size grip at the right end (SizeGrip).
// Owner-drawn panels are painted by OnDrawPanel on the bar's canvas.

#include <memory>
#include <string>

#include "toolkit/Canvas.h"
#include "toolkit/StatusPanels.h"
#include "toolkit/WinControl.h"

class TCustomStatusBar;
using TDrawPanelEvent = TEvent<TCustomStatusBar*, TStatusPanel*, const RECT&>;

class TCustomStatusBar : public TWinControl {
  FW_CLASS(TCustomStatusBar)
 public:
  explicit TCustomStatusBar(TComponent* AOwner);
  ~TCustomStatusBar() override;

  TStatusPanels& Panels() { return *FPanels; }
  TStatusPanels* GetPanels() const { return FPanels.get(); }
  bool GetSimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool Value);
  std::string GetSimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::string& Value);
  bool GetSizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value);
  TCanvas& Canvas() { return FCanvas; }
  // A panel's rectangle in client coordinates (empty when it has none).
  RECT PanelRect(int Index);

  // Shows the panels as they are now (panels call it when they change).
  void UpdatePanels();

  TDrawPanelEvent OnDrawPanel;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  virtual void DrawPanel(TStatusPanel* Panel, const RECT& Rect);

 private:
  void ApplySimple();

  std::unique_ptr<TStatusPanels> FPanels;
  bool FSimplePanel = false;
  std::string FSimpleText;
  bool FSizeGrip = true;
  TCanvas FCanvas;
};

class TStatusBar : public TCustomStatusBar {
  FW_CLASS(TStatusBar)
 public:
  using TCustomStatusBar::TCustomStatusBar;
};
