// How recognition walks a form: the disabling tag, the application's
// OnSkinControl handler, the Skin3rd list, recognising twice, and the skin
// switched off giving every control back.
#include <gtest/gtest.h>

#include "skin/engine/EngineMessages.h"
#include "skin/recognition/ControlRecognition.h"
#include "skin/recognition/ControlRules.h"
#include "skin/recognition/ThirdPartyRules.h"
#include "skinrecognition/RecognitionSupport.h"
#include "toolkit/Button.h"
#include "toolkit/CustomEdit.h"
#include "toolkit/CustomListBox.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/CustomRadioGroup.h"
#include "toolkit/RadioButton.h"
#include "toolkit/portable/ClassBuilder.h"

namespace {

using enum TPainterKind;

// Classes of other libraries, known to the engine only by name.
class TComboBoxEx : public TCustomListBox {
  FW_CLASS(TComboBoxEx)
 public:
  using TCustomListBox::TCustomListBox;
};
const TClassInfo& TComboBoxEx::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComboBoxEx>("TComboBoxEx", &TCustomListBox::StaticClass()).Info();
  return info;
}

class TLibraryGrid : public TCustomListBox {
  FW_CLASS(TLibraryGrid)
 public:
  using TCustomListBox::TCustomListBox;
};
const TClassInfo& TLibraryGrid::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TLibraryGrid>("TLibraryGrid", &TCustomListBox::StaticClass()).Info();
  return info;
}

class TLibraryButton : public TButton {
  FW_CLASS(TLibraryButton)
 public:
  using TButton::TButton;
};
const TClassInfo& TLibraryButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TLibraryButton>("TLibraryButton", &TButton::StaticClass()).Info();
  return info;
}

}  // namespace

TEST(Recognition, TheDisablingTagKeepsAControlAndTheItemsOfItsGroupNative) {
  TSkinControlProbe probe;
  TButton *plain = nullptr, *tagged = nullptr;
  TRadioGroup *taggedGroup = nullptr, *group = nullptr;
  TRecognisedForm form([&](TForm& F, TSkinData& Data) {
    Data.SetDisableTag(7);
    plain = Add<TButton>(F, F, 10, 10);
    tagged = Add<TButton>(F, F, 100, 10);
    tagged->SetTag(7);
    taggedGroup = Add<TRadioGroup>(F, F, 10, 50, 120, 80);
    taggedGroup->SetTag(7);
    group = Add<TRadioGroup>(F, F, 150, 50, 120, 80);
    for (TRadioGroup* g : {taggedGroup, group}) {
      g->GetItems()->Add("One");
      g->GetItems()->Add("Two");
    }
    probe.Accept = [&](TControl& C) { return &C != group; };
    Data.OnSkinControl = probe.Event();
  });
  ASSERT_TRUE(form.Skinned());
  EXPECT_EQ(probe.TimesAsked(plain), 1);
  EXPECT_EQ(probe.TimesAsked(tagged), 0);
  EXPECT_EQ(probe.TimesAsked(taggedGroup), 0);
  EXPECT_TRUE(Unpainted(PainterOf(form.Skinner(), tagged)));
  EXPECT_TRUE(Unpainted(PainterOf(form.Skinner(), taggedGroup)));
  for (int i = 0; i < taggedGroup->ButtonCount(); ++i) {
    EXPECT_EQ(taggedGroup->Buttons(i)->GetTag(), 7);
    EXPECT_TRUE(Unpainted(PainterOf(form.Skinner(), taggedGroup->Buttons(i))));
  }
  // The other group, refused by the handler, goes to the class table.
  EXPECT_TRUE(PaintedAs(PainterOf(form.Skinner(), group), pkGroupBox));
  for (int i = 0; i < group->ButtonCount(); ++i) {
    EXPECT_EQ(group->Buttons(i)->GetTag(), 0);
    EXPECT_TRUE(PaintedAs(PainterOf(form.Skinner(), group->Buttons(i)), pkRadioButton));
  }
}

TEST(Recognition, TheHandlersPainterIsAttachedAndRecognisingTwiceAttachesNothing) {
  TSkinControlProbe probe;
  TButton* button = nullptr;
  TPanel* panel = nullptr;
  TEdit* inPanel = nullptr;
  TRecognisedForm form([&](TForm& F, TSkinData& Data) {
    button = Add<TButton>(F, F, 10, 10);
    panel = Add<TPanel>(F, F, 10, 50, 200, 80);
    inPanel = Add<TEdit>(F, *panel, 10, 10);
    Data.OnSkinControl = probe.Event();
  });
  ASSERT_TRUE(form.Skinned());
  // Asked with the upper-case class name; the painter it gives is attached
  // in front of the control and answers for it.
  ASSERT_EQ(probe.TimesAsked(button), 1);
  EXPECT_EQ(probe.ClassNames[0], "TBUTTON");
  TSkinControl* painter = PainterOf(form.Skinner(), button);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->ClassName(), "TSkinControl");
  EXPECT_TRUE(painter->Attached());
  EXPECT_EQ(SendMessageA(button->WindowHandle(), SM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(button->GetColor(), form.Data().Skin().Colours.ButtonFace);
  // A panel's children are recognised after the handler has painted it.
  EXPECT_EQ(probe.TimesAsked(inPanel), 1);
  EXPECT_NE(PainterOf(form.Skinner(), inPanel), nullptr);

  const std::vector<TSkinControl*> painters = form.Skinner().Painters();
  const size_t asked = probe.Asked.size();
  SkinFormControls(form.Skinner());
  EXPECT_EQ(form.Skinner().Painters(), painters);
  EXPECT_EQ(probe.Asked.size(), asked);
}

TEST(Recognition, TheSkin3rdListDecidesForTheClassesItNames) {
  // The key is the class name and "="; case does not matter on either side;
  // the first matching line gives the kind, lower-cased, at most 50
  // characters from the line's first "=".
  const std::vector<std::string> lines = {"TButtonX=edit", "tbutton=Button=x",
                                          "TBUTTON=nil", "TLong=" + std::string(60, 'k')};
  EXPECT_EQ(FindSkin3rdKind(lines, "TBUTTON"), "button=x");
  EXPECT_EQ(FindSkin3rdKind(lines, "TButtonX"), "edit");
  EXPECT_EQ(FindSkin3rdKind(lines, "TLONG")->size(), 50u);
  EXPECT_FALSE(FindSkin3rdKind(lines, "TBUTTONXY").has_value());
  EXPECT_EQ(FindThirdPartyKind("button=x"), nullptr);

  TComboBoxEx* comboEx = nullptr;
  TLibraryGrid* grid = nullptr;
  TLibraryButton* offButton = nullptr;
  TEdit* edit = nullptr;
  TRecognisedForm form([&](TForm& F, TSkinData& Data) {
    comboEx = Add<TComboBoxEx>(F, F, 10, 10, 120, 60);
    grid = Add<TLibraryGrid>(F, F, 150, 10, 120, 60);
    offButton = Add<TLibraryButton>(F, F, 10, 90);
    edit = Add<TEdit>(F, F, 150, 90);
    std::vector<std::string> rows = Data.GetSkin3rd();
    rows.push_back("tlibrarygrid=NIL");
    rows.push_back("TLibraryButton=CheckBox");
    rows.push_back("TEdit=edit");
    Data.SetSkin3rd(rows);
    TSkinControlTypes types = Data.GetSkinControls();
    types.Exclude(xcCheckBox);
    Data.SetSkinControls(types);
  });
  ASSERT_TRUE(form.Skinned());
  // The shipped line "TComboboxex=combobox" names this class.
  EXPECT_TRUE(PaintedAs(PainterOf(form.Skinner(), comboEx), pkComBox));
  // "nil" keeps a grid native that the class table would give scroll bars.
  ASSERT_NE(MatchControlRule(*grid, form.Data()), nullptr);
  EXPECT_EQ(MatchControlRule(*grid, form.Data())->Number, 36);
  EXPECT_TRUE(Unpainted(PainterOf(form.Skinner(), grid)));
  // A kind whose option is off paints nothing, and the table is not tried.
  EXPECT_TRUE(Unpainted(PainterOf(form.Skinner(), offButton)));
  // An edit with a border is an edit.
  EXPECT_TRUE(PaintedAs(PainterOf(form.Skinner(), edit), pkEdit));
  TControlRecognition rules(form.Skinner());
  EXPECT_TRUE(rules.SkinThirdPartyControl("TLIBRARYGRID", *grid));
  EXPECT_FALSE(rules.SkinThirdPartyControl("TBUTTON", *offButton));
}

namespace {

// What the engine changes on a control and must give back.
struct TControlState {
  TWndMethod Handler;
  LONG_PTR Procedure;
  int Colour;
};

TControlState StateOf(TControl& Control) {
  HWND handle = static_cast<TWinControl&>(Control).WindowHandle();
  return {Control.WindowProc, GetWindowLongPtrA(handle, GWLP_WNDPROC), Control.GetColor()};
}

}  // namespace

TEST(Recognition, SwitchingTheSkinOffGivesEveryControlItsHandlerProcedureAndColourBack) {
  TSkinControlProbe probe;
  std::vector<TControl*> controls;
  std::vector<TControlState> before;
  TRecognisedForm form([&](TForm& F, TSkinData& Data) {
    auto* panel = Add<TPanel>(F, F, 10, 10, 200, 100);
    panel->SetColor(0x00336699);
    auto* group = Add<TRadioGroup>(F, F, 220, 10, 120, 80);
    group->GetItems()->Add("One");
    controls = {panel, Add<TButton>(F, *panel, 10, 10), Add<TEdit>(F, F, 10, 120),
                Add<TButton>(F, F, 100, 120), group, group->Buttons(0)};
    F.HandleNeeded();
    for (TControl* c : controls) before.push_back(StateOf(*c));
    // The handler paints the panel; the rest go by the class table.
    probe.Accept = [panel](TControl& C) { return &C == panel; };
    Data.OnSkinControl = probe.Event();
  });
  ASSERT_TRUE(form.Skinned());
  TSkinControl* panelPainter = PainterOf(form.Skinner(), controls[0]);
  ASSERT_NE(panelPainter, nullptr);
  EXPECT_EQ(controls[0]->GetColor(), form.Data().Skin().Colours.ButtonFace);
  EXPECT_FALSE(controls[0]->WindowProc == before[0].Handler);

  for (int cycle = 0; cycle < 2; ++cycle) {
    SCOPED_TRACE(cycle);
    form.Data().SetActive(false);
    ASSERT_TRUE(form.Window().WaitUnskinned());
    for (size_t i = 0; i < controls.size(); ++i) {
      SCOPED_TRACE(controls[i]->ClassName());
      const TControlState after = StateOf(*controls[i]);
      EXPECT_TRUE(after.Handler == before[i].Handler);
      EXPECT_EQ(after.Procedure, before[i].Procedure);
      EXPECT_EQ(after.Colour, before[i].Colour);
      EXPECT_NE(controls[i]->Perform(SM_ISSKINNED), 1);
    }
    form.Data().SetActive(true);
    ASSERT_TRUE(form.Window().WaitSkinned());
    PumpMessages(50);
    EXPECT_NE(PainterOf(form.Skinner(), controls[0]), nullptr);
  }
}
