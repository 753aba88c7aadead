#pragma once
// A header control over the system SysHeader32 control, kept along the top
// of its parent: a row of sections that the user clicks (OnSectionClick)
// and sizes by dragging their dividers (OnSectionResize, and
// OnSectionTrack while dragging). Owner-drawn sections are painted by
// OnDrawSection on the header's canvas.

#include <memory>

#include "toolkit/Canvas.h"
#include "toolkit/HeaderSections.h"
#include "toolkit/ImageList.h"
#include "toolkit/WinControl.h"

class TCustomHeaderControl;

FW_ENUM(THeaderStyle, hsButtons, hsFlat)

using TSectionNotifyEvent = TEvent<TCustomHeaderControl*, THeaderSection*>;
using TSectionTrackEvent = TEvent<TCustomHeaderControl*, THeaderSection*, int>;
using TDrawSectionEvent = TEvent<TCustomHeaderControl*, THeaderSection*, const RECT&, bool>;

class TCustomHeaderControl : public TWinControl {
  FW_CLASS(TCustomHeaderControl)
 public:
  explicit TCustomHeaderControl(TComponent* AOwner);
  ~TCustomHeaderControl() override;

  THeaderSections& Sections() { return *FSections; }
  THeaderSections* GetSections() const { return FSections.get(); }
  THeaderStyle GetStyle() const { return FStyle; }
  void SetStyle(THeaderStyle Value);
  bool GetHotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value);
  bool GetDragReorder() const { return FDragReorder; }
  void SetDragReorder(bool Value);
  bool GetFullDrag() const { return FFullDrag; }
  void SetFullDrag(bool Value);
  TImageList* GetImages() const { return FImages; }
  void SetImages(TImageList* Value);
  TCanvas& Canvas() { return FCanvas; }
  // A section's rectangle as the system control has it.
  RECT SectionRect(int Index);

  // Shows the sections as they are now (sections call it when they change).
  void UpdateSections();

  TSectionNotifyEvent OnSectionClick;
  TSectionNotifyEvent OnSectionResize;
  TSectionTrackEvent OnSectionTrack;
  TDrawSectionEvent OnDrawSection;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void SectionClick(THeaderSection* Section) { OnSectionClick(this, Section); }
  virtual void SectionResize(THeaderSection* Section) { OnSectionResize(this, Section); }
  virtual void SectionTrack(THeaderSection* Section, int Width) {
    OnSectionTrack(this, Section, Width);
  }
  virtual void DrawSection(THeaderSection* Section, const RECT& Rect, bool Pressed) {
    OnDrawSection(this, Section, Rect, Pressed);
  }

 private:
  bool HandleNotify(TMessage& Message);
  THeaderSection* SectionAt(int Index) const;
  void ApplyImages();

  std::unique_ptr<THeaderSections> FSections;
  THeaderStyle FStyle = hsButtons;
  bool FHotTrack = false;
  bool FDragReorder = false;
  bool FFullDrag = true;
  TImageList* FImages = nullptr;
  TCanvas FCanvas;
  bool FUpdating = false;
};

class THeaderControl : public TCustomHeaderControl {
  FW_CLASS(THeaderControl)
 public:
  using TCustomHeaderControl::TCustomHeaderControl;
};
