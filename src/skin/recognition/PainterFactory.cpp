#include "skin/recognition/PainterFactory.h"

#include "skin/frame/FormSkinner.h"
#include "skin/painters/SkinAdvPage.h"
#include "skin/painters/SkinBitButton.h"
#include "skin/painters/SkinBox.h"
#include "skin/painters/SkinBoxH.h"
#include "skin/painters/SkinButton.h"
#include "skin/painters/SkinCheckBox.h"
#include "skin/painters/SkinComBox.h"
#include "skin/painters/SkinDateTime.h"
#include "skin/painters/SkinEdit.h"
#include "skin/painters/SkinControl.h"
#include "skin/painters/SkinGroupBox.h"
#include "skin/painters/SkinHeader.h"
#include "skin/painters/SkinListView.h"
#include "skin/painters/SkinMP.h"
#include "skin/painters/SkinMenuButton.h"
#include "skin/painters/SkinObjImage.h"
#include "skin/painters/SkinProgress.h"
#include "skin/painters/SkinRadioButton.h"
#include "skin/painters/SkinScControl.h"
#include "skin/painters/SkinScrollbar.h"
#include "skin/painters/SkinScrollbarH.h"
#include "skin/painters/SkinSizer.h"
#include "skin/painters/SkinSpeedButton.h"
#include "skin/painters/SkinStatusBar.h"
#include "skin/painters/SkinTab.h"
#include "skin/painters/SkinTab31.h"
#include "skin/painters/SkinTabBtn.h"
#include "skin/painters/SkinTabSheet.h"
#include "skin/painters/SkinTrackBar.h"
#include "skin/painters/SkinUpDown.h"
#include "toolkit/Control.h"
#include "toolkit/WinControl.h"

namespace {

using TCreate = TSkinControl* (*)(TComponent* Owner, int Variant);
// Attaches a painter whose class has an attach operation of its own; the
// others go through AttachToControl or AttachToWindow.
using TAttach = void (*)(TSkinControl& Painter, const TPainterTarget& Target);

template <class TPainter>
TSkinControl* Create(TComponent* Owner, int) {
  return new TPainter(Owner);
}

// A scroll-bar painter of Variant's mode (1: single, no border).
template <class TPainter>
TSkinControl* CreateInMode(TComponent* Owner, int Variant) {
  auto* painter = new TPainter(Owner);
  painter->SetMode(Variant);
  return painter;
}

// A glyph button of Variant 1 takes its glyph from "PngImage".
TSkinControl* CreateBitButton(TComponent* Owner, int Variant) {
  auto* painter = new TSkinBitButton(Owner);
  if (Variant == 1) painter->SetGlyphPropertyName("PngImage");
  return painter;
}

// Scroll-bar painters take over a toolkit control's own bars.
void AttachScrollBars(TSkinControl& Painter, const TPainterTarget& Target) {
  auto* control = dynamic_cast<TWinControl*>(Target.Control);
  if (auto* bars = dynamic_cast<TSkinScrollbar*>(&Painter); bars && control)
    bars->AttachScrollBars(control, Target.SkinData, Target.FormSkinner, Target.Canvas);
}

void AttachScrollBarControl(TSkinControl& Painter, const TPainterTarget& Target) {
  auto* control = dynamic_cast<TWinControl*>(Target.Control);
  if (auto* bar = dynamic_cast<TSkinScControl*>(&Painter); bar && control)
    bar->AttachScrollBar(control, Target.SkinData, Target.FormSkinner, Target.Canvas);
}

struct TPainterClass {
  TPainterKind Kind;
  const char* ClassName;
  // Null: the painter class is not built yet, so MakePainter creates
  // nothing and a control the rules give to it keeps its native look.
  TCreate Create = nullptr;
  TAttach Attach = nullptr;
};

// One row per kind, in the order of TPainterKind.
const TPainterClass kPainterClasses[] = {
    {TPainterKind::pkButton, "TSkinButton", Create<TSkinButton>},
    {TPainterKind::pkBitButton, "TSkinBitButton", CreateBitButton},
    {TPainterKind::pkSpeedButton, "TSkinSpeedButton", Create<TSkinSpeedButton>},
    {TPainterKind::pkMenuButton, "TSkinMenuButton", Create<TSkinMenuButton>},
    {TPainterKind::pkMediaPlayer, "TSkinMP", Create<TSkinMP>},
    {TPainterKind::pkCheckBox, "TSkinCheckBox", Create<TSkinCheckBox>},
    {TPainterKind::pkRadioButton, "TSkinRadioButton", Create<TSkinRadioButton>},
    {TPainterKind::pkGroupBox, "TSkinGroupBox", Create<TSkinGroupBox>},
    {TPainterKind::pkBox, "TSkinBox", Create<TSkinBox>},
    {TPainterKind::pkBoxH, "TSkinBoxH", Create<TSkinBoxH>},
    {TPainterKind::pkObjImage, "TSkinObjImage", CreateInMode<TSkinObjImage>},
    {TPainterKind::pkTab, "TSkinTab", CreateInMode<TSkinTab>},
    {TPainterKind::pkTabBtn, "TSkinTabBtn", Create<TSkinTabBtn>},
    {TPainterKind::pkTab31, "TSkinTab31", Create<TSkinTab31>},
    {TPainterKind::pkTabSheet, "TSkinTabSheet", Create<TSkinTabSheet>},
    {TPainterKind::pkAdvPage, "TSkinAdvPage", Create<TSkinAdvPage>},
    {TPainterKind::pkHeader, "TSkinHeader", Create<TSkinHeader>},
    {TPainterKind::pkTrackBar, "TSkinTrackBar", Create<TSkinTrackBar>},
    {TPainterKind::pkUpDown, "TSkinUpDown", Create<TSkinUpDown>},
    {TPainterKind::pkStatusBar, "TSkinStatusBar", Create<TSkinStatusBar>},
    {TPainterKind::pkProgress, "TSkinProgress", Create<TSkinProgress>},
    {TPainterKind::pkComBox, "TSkinComBox", Create<TSkinComBox>},
    {TPainterKind::pkEdit, "TSkinEdit", Create<TSkinEdit>},
    {TPainterKind::pkDateTime, "TSkinDateTime", Create<TSkinDateTime>},
    {TPainterKind::pkScrollbar, "TSkinScrollbar", CreateInMode<TSkinScrollbar>, AttachScrollBars},
    {TPainterKind::pkListView, "TSkinListView", CreateInMode<TSkinListView>, AttachScrollBars},
    {TPainterKind::pkScControl, "TSkinScControl", Create<TSkinScControl>, AttachScrollBarControl},
    {TPainterKind::pkSizer, "TSkinSizer", Create<TSkinSizer>},
    {TPainterKind::pkScrollbarH, "TSkinScrollbarH", Create<TSkinScrollbarH>},
};
static_assert(sizeof kPainterClasses / sizeof kPainterClasses[0] ==
              static_cast<size_t>(TPainterKind::pkCount));

const TPainterClass& ClassOf(TPainterKind Kind) {
  return kPainterClasses[static_cast<size_t>(Kind)];
}

void AttachByProtocol(TSkinControl& Painter, const TPainterTarget& Target) {
  if (Target.Window)
    Painter.AttachToWindow(Target.Window, Target.SkinData, Target.FormSkinner, Target.Canvas);
  else
    Painter.AttachToControl(Target.FormSkinner, Target.SkinData, Target.PaintBackground,
                            Target.Canvas);
}

}  // namespace

TSkinControl* MakePainter(TPainterKind Kind, const TPainterTarget& Target) {
  const TPainterClass& painterClass = ClassOf(Kind);
  if (!painterClass.Create) return nullptr;
  TComponent* owner =
      Target.Control ? static_cast<TComponent*>(Target.Control) : Target.FormSkinner;
  TSkinControl* painter = nullptr;
  try {
    painter = painterClass.Create(owner, Target.Variant);
    if (painter) (painterClass.Attach ? painterClass.Attach : AttachByProtocol)(*painter, Target);
  } catch (...) {
    // A painter that cannot be attached leaves its control as it was; the
    // other controls are recognised all the same.
    delete painter;
    return nullptr;
  }
  if (painter && !painter->Attached()) {
    delete painter;
    return nullptr;
  }
  return painter;
}

const char* PainterClassName(TPainterKind Kind) {
  return ClassOf(Kind).ClassName;
}

bool PainterBuilt(TPainterKind Kind) {
  return ClassOf(Kind).Create != nullptr;
}
