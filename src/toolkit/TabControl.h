#pragma once
// A row of tabs over the system SysTabControl32 control. TCustomTabControl
// holds the tabs' texts, their look (tabs or buttons, which edge, one or
// several rows, images) and the selected tab; clicking a tab asks
// CanChange first and reports Change after. TTabControl publishes it; a
// page control derives from it and gives each tab a page.

#include <string>
#include <vector>

#include "toolkit/ImageList.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

FW_ENUM(TTabPosition, tpTop, tpBottom, tpLeft, tpRight)
FW_ENUM(TTabStyle, tsTabs, tsButtons, tsFlatButtons)

using TTabChangingEvent = TEvent<TObject*, bool&>;

class TCustomTabControl : public TWinControl {
  FW_CLASS(TCustomTabControl)
 public:
  explicit TCustomTabControl(TComponent* AOwner);
  ~TCustomTabControl() override;

  const std::vector<std::string>& GetTabs() const { return FTabs; }
  void SetTabs(const std::vector<std::string>& Value);
  // The selected tab, -1 for none.
  int GetTabIndex() const;
  void SetTabIndex(int Value);
  TTabPosition GetTabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition Value);
  TTabStyle GetStyle() const { return FStyle; }
  void SetStyle(TTabStyle Value);
  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  bool GetHotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value);
  bool GetRaggedRight() const { return FRaggedRight; }
  void SetRaggedRight(bool Value);
  int GetTabHeight() const { return FTabHeight; }
  void SetTabHeight(int Value);
  int GetTabWidth() const { return FTabWidth; }
  void SetTabWidth(int Value);
  TImageList* GetImages() const { return FImages; }
  void SetImages(TImageList* Value);

  // The client area that the tabs leave free, in client coordinates.
  RECT DisplayRect();
  // The tab at a client point, or -1.
  int IndexOfTabAt(int X, int Y);
  // A tab's rectangle in client coordinates (empty when it has none).
  RECT TabRect(int Index);

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The user is about to select another tab; false keeps the old one.
  virtual bool CanChange();
  // The user selected another tab.
  virtual void Change();
  // The client area changed size.
  virtual void Resized() {}
  // The image of a tab; the base gives the tab's own index.
  virtual int GetImageIndex(int TabIndex) { return TabIndex; }
  // Puts FTabs into the window again.
  void UpdateTabs();
  std::vector<std::string> FTabs;

 private:
  void ApplyImages();
  void ApplyTabSize();

  int FTabIndex = -1;
  TTabPosition FTabPosition = tpTop;
  TTabStyle FStyle = tsTabs;
  bool FMultiLine = false;
  bool FHotTrack = false;
  bool FRaggedRight = false;
  int FTabHeight = 0;
  int FTabWidth = 0;
  TImageList* FImages = nullptr;
};

class TTabControl : public TCustomTabControl {
  FW_CLASS(TTabControl)
 public:
  using TCustomTabControl::TCustomTabControl;
};

// Published properties shared by the tab control and the page control.
template <class C>
TClassBuilder<C>& PublishTabProperties(TClassBuilder<C>& B) {
  using T = TCustomTabControl;
  return B.Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
      .Prop("TabPosition", &T::GetTabPosition, &T::SetTabPosition, tpTop)
      .Prop("Style", &T::GetStyle, &T::SetStyle, tsTabs)
      .Prop("MultiLine", &T::GetMultiLine, &T::SetMultiLine, false)
      .Prop("HotTrack", &T::GetHotTrack, &T::SetHotTrack, false)
      .Prop("RaggedRight", &T::GetRaggedRight, &T::SetRaggedRight, false)
      .Prop("TabHeight", &T::GetTabHeight, &T::SetTabHeight, 0)
      .Prop("TabWidth", &T::GetTabWidth, &T::SetTabWidth, 0)
      .PropNoDefault("Images", &T::GetImages, &T::SetImages)
      .EventProp("OnChange", &T::OnChange)
      .EventProp("OnChanging", &T::OnChanging);
}
