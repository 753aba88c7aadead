// The toolkit's controls on a skinned form get the painters of their rows
// of the class table; options that are off let later rows try or stop.
#include <gtest/gtest.h>

#include "skin/engine/EngineMessages.h"
#include "skin/engine/PropertyAccess.h"
#include "skin/recognition/ControlRecognition.h"
#include "skin/recognition/ControlRules.h"
#include "skinrecognition/RecognitionSupport.h"
#include "toolkit/Bevel.h"
#include "toolkit/BitBtn.h"
#include "toolkit/Button.h"
#include "toolkit/CustomCheckBox.h"
#include "toolkit/CustomComboBox.h"
#include "toolkit/CustomEdit.h"
#include "toolkit/CustomFrame.h"
#include "toolkit/CustomGroupBox.h"
#include "toolkit/CustomListBox.h"
#include "toolkit/CustomMemo.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/CustomRadioGroup.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/HeaderControl.h"
#include "toolkit/Label.h"
#include "toolkit/LabeledEdit.h"
#include "toolkit/ListView.h"
#include "toolkit/MediaPlayer.h"
#include "toolkit/PageControl.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/RadioButton.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/ScrollBox.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/StatusBar.h"
#include "toolkit/TabControl.h"
#include "toolkit/TabSheet.h"
#include "toolkit/ToolBar.h"
#include "toolkit/ToolButton.h"
#include "toolkit/TrackBar.h"
#include "toolkit/TreeView.h"
#include "toolkit/UpDown.h"

namespace {

using enum TPainterKind;

// One control and what the rules give it.
struct TExpected {
  TControl* Control;
  int Rule;           // the row of the class table; 0 for none
  TPainterKind Kind;  // pkCount: no painter
};

// Every control of the form, placed on a grid.
struct TToolkitForm {
  std::vector<TExpected> Expected;
  TRadioGroup* RadioGroup = nullptr;
  TToolBar* ToolBar = nullptr;
  TCheckBox* InGroupBox = nullptr;
  TEdit* InPanel = nullptr;
  TButton* InFrame = nullptr;

  int Slot = 0;

  // The next free place of the grid.
  POINT NextPlace() {
    const POINT place{4 + (Slot % 8) * 78, 4 + (Slot / 8) * 52};
    ++Slot;
    return place;
  }

  template <class T>
  T* Put(TForm& F, int Rule, TPainterKind Kind, int Width = 70, int Height = 24) {
    const POINT place = NextPlace();
    T* control = Add<T>(F, F, place.x, place.y, Width, Height);
    Expected.push_back({control, Rule, Kind});
    return control;
  }

  void Populate(TForm& F) {
    Put<TButton>(F, 37, pkButton);
    Put<TBitBtn>(F, 29, pkBitButton);
    Put<TSpeedButton>(F, 30, pkSpeedButton);
    Put<TCheckBox>(F, 9, pkCheckBox);
    Put<TRadioButton>(F, 19, pkRadioButton);
    Put<TEdit>(F, 38, pkEdit);
    Put<TLabeledEdit>(F, 38, pkEdit);
    Put<TMemo>(F, 34, pkScrollbar, 70, 44);
    Put<TListBox>(F, 36, pkScrollbar, 70, 44);
    Put<TComboBox>(F, 25, pkComBox);
    Put<TTreeView>(F, 36, pkScrollbar, 70, 44);
    Put<TListView>(F, 33, pkListView, 70, 44);
    Put<TScrollBox>(F, 36, pkScrollbar, 70, 44);
    Put<TScrollBar>(F, 23, pkScControl, 70, 18);
    Put<TProgressBar>(F, 22, pkProgress, 70, 18);
    Put<TTrackBar>(F, 10, pkTrackBar, 70, 30);
    Put<TUpDown>(F, 11, pkUpDown, 18, 30);
    Put<THeaderControl>(F, 8, pkHeader, 70, 20);
    Put<TTabControl>(F, 1, pkTab, 70, 44);
    Put<TMediaPlayer>(F, 12, pkMediaPlayer, 70, 24);
    Put<TDateTimePicker>(F, 26, pkDateTime, 76, 22);
    auto* timePicker = Put<TDateTimePicker>(F, 26, pkEdit, 76, 22);
    timePicker->SetKind(dtkTime);
    Put<TLabel>(F, 0, pkCount);
    Put<TBevel>(F, 0, pkCount);

    POINT p = NextPlace();
    auto* pages = Add<TPageControl>(F, F, p.x, p.y, 74, 48);
    auto* sheet = new TTabSheet(&F);
    sheet->SetPageControl(pages);
    Expected.push_back({pages, 1, pkTab});
    Expected.push_back({sheet, 5, pkTabSheet});
    p = NextPlace();
    RadioGroup = Add<TRadioGroup>(F, F, p.x, p.y, 74, 48);
    RadioGroup->GetItems()->Add("One");
    RadioGroup->GetItems()->Add("Two");
    Expected.push_back({RadioGroup, 13, pkGroupBox});
    p = NextPlace();
    auto* group = Add<TGroupBox>(F, F, p.x, p.y, 74, 48);
    InGroupBox = Add<TCheckBox>(F, *group, 6, 16, 60, 20);
    Expected.push_back({group, 18, pkGroupBox});
    Expected.push_back({InGroupBox, 9, pkCheckBox});
    p = NextPlace();
    auto* panel = Add<TPanel>(F, F, p.x, p.y, 74, 48);
    InPanel = Add<TEdit>(F, *panel, 6, 6, 60, 20);
    Expected.push_back({panel, 31, pkBox});
    Expected.push_back({InPanel, 38, pkEdit});
    p = NextPlace();
    ToolBar = Add<TToolBar>(F, F, p.x, p.y, 74, 30);
    ToolBar->SetAlign(alNone);
    auto* toolButton = new TToolButton(&F);
    toolButton->SetParent(ToolBar);
    Expected.push_back({ToolBar, 20, pkBox});
    Expected.push_back({toolButton, 2, pkCount});
    p = NextPlace();
    auto* frame = Add<TFrame>(F, F, p.x, p.y, 74, 48);
    InFrame = Add<TButton>(*frame, *frame, 4, 4, 60, 22);
    Expected.push_back({frame, 40, pkCount});
    Expected.push_back({InFrame, 37, pkButton});
    auto* status = new TStatusBar(&F);
    status->SetParent(&F);
    Expected.push_back({status, 21, pkStatusBar});
  }
};

}  // namespace

TEST(ControlTable, EveryToolkitClassGetsThePainterOfItsRow) {
  TToolkitForm made;
  TRecognisedForm form([&](TForm& F, TSkinData&) { made.Populate(F); });
  ASSERT_TRUE(form.Skinned());
  ASSERT_TRUE(form.Data().Skin().Tabs) << "the program's skin has tab images";
  for (const TExpected& e : made.Expected) {
    SCOPED_TRACE(e.Control->ClassName());
    const TControlRule* rule = MatchControlRule(*e.Control, form.Data());
    EXPECT_EQ(rule ? rule->Number : 0, e.Rule);
    TSkinControl* painter = PainterOf(form.Skinner(), e.Control);
    if (e.Kind == pkCount) {
      EXPECT_TRUE(Unpainted(painter));
      continue;
    }
    EXPECT_TRUE(PaintedAs(painter, e.Kind));
    if (painter) {
      EXPECT_EQ(e.Control->Perform(SM_ISSKINNED), 1);
    }
  }
  // The radio group's items are painted as radio buttons, the group as a
  // group box; the tool bar is made flat and given the skin's handlers.
  for (int i = 0; i < made.RadioGroup->ButtonCount(); ++i)
    EXPECT_TRUE(PaintedAs(PainterOf(form.Skinner(), made.RadioGroup->Buttons(i)), pkRadioButton));
  EXPECT_TRUE(made.ToolBar->GetFlat());
  EXPECT_TRUE(made.ToolBar->OnCustomDraw.Assigned());
  EXPECT_TRUE(made.ToolBar->OnCustomDrawButton.Assigned());
}

TEST(ControlTable, AnOptionThatIsOffLetsLaterRowsTryUnlessTheRowStops) {
  TMemo* memo = nullptr;
  TBitBtn* bitButton = nullptr;
  TButton* button = nullptr;
  TPageControl* pages = nullptr;
  TRecognisedForm form([&](TForm& F, TSkinData& Data) {
    memo = Add<TMemo>(F, F, 10, 10, 100, 60);
    bitButton = Add<TBitBtn>(F, F, 10, 80, 80, 24);
    button = Add<TButton>(F, F, 100, 80, 80, 24);
    pages = Add<TPageControl>(F, F, 200, 10, 100, 60);
    TSkinControlTypes types = Data.GetSkinControls();
    types.Exclude(xcScrollbar);
    types.Exclude(xcBitBtn);
    types.Exclude(xcTab);
    Data.SetSkinControls(types);
  });
  ASSERT_TRUE(form.Skinned());
  // Without scroll bars a memo is an edit; a glyph button without its
  // option is left alone though it is a push button too.
  const TControlRule* memoRule = MatchControlRule(*memo, form.Data());
  ASSERT_NE(memoRule, nullptr);
  EXPECT_EQ(memoRule->Number, 38);
  EXPECT_TRUE(PaintedAs(PainterOf(form.Skinner(), memo), pkEdit));
  EXPECT_EQ(MatchControlRule(*bitButton, form.Data()), nullptr);
  EXPECT_TRUE(Unpainted(PainterOf(form.Skinner(), bitButton)));
  EXPECT_TRUE(PaintedAs(PainterOf(form.Skinner(), button), pkButton));
  EXPECT_EQ(MatchControlRule(*pages, form.Data()), nullptr);
  EXPECT_TRUE(Unpainted(PainterOf(form.Skinner(), pages)));

  // With every option off nothing is painted.
  TRecognisedForm bare([&](TForm& F, TSkinData& Data) {
    button = Add<TButton>(F, F, 10, 10, 80, 24);
    memo = Add<TMemo>(F, F, 10, 40, 100, 60);
    Data.SetSkinControls({});
  });
  ASSERT_TRUE(bare.Skinned());
  EXPECT_TRUE(bare.Skinner().Painters().empty());
  EXPECT_NE(button->Perform(SM_ISSKINNED), 1);
}
