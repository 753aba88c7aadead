// Forms made from stored descriptions: the application creates and shows
// them, every toolkit window can be found from its handle, faulty
// descriptions are reported and nothing is shown, the tab order follows
// the description and windowless controls are painted by their form.
#include <gtest/gtest.h>

#include <cstdio>

#include "ToolkitTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/Bevel.h"
#include "toolkit/Button.h"
#include "toolkit/ControlAtom.h"
#include "toolkit/Label.h"
#include "toolkit/LabeledEdit.h"
#include "toolkit/SaveDialog.h"
#include "toolkit/TreeView.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/FormError.h"

namespace {

class TPanesForm : public TForm {
  FW_CLASS(TPanesForm)
 public:
  using TForm::TForm;
  TLabel* Label1 = nullptr;
  TBevel* Bevel1 = nullptr;
  TTreeView* TreeView1 = nullptr;
  TLabeledEdit* LabeledEdit1 = nullptr;
  TButton* Button1 = nullptr;
  TLabeledEdit* LabeledEdit2 = nullptr;
  TSaveDialog* SaveDialog1 = nullptr;
  int Shows = 0;
  int Clicks = 0;

  void FormShow(TObject*) {
    ++Shows;
    LabeledEdit1->SetFocus();
  }
  void Button1Click(TObject*) { ++Clicks; }
};

const TClassInfo& TPanesForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPanesForm>("TPanesForm", &TForm::StaticClass())
                                     .Field("Label1", &TPanesForm::Label1)
                                     .Field("Bevel1", &TPanesForm::Bevel1)
                                     .Field("TreeView1", &TPanesForm::TreeView1)
                                     .Field("LabeledEdit1", &TPanesForm::LabeledEdit1)
                                     .Field("Button1", &TPanesForm::Button1)
                                     .Field("LabeledEdit2", &TPanesForm::LabeledEdit2)
                                     .Field("SaveDialog1", &TPanesForm::SaveDialog1)
                                     .Method("FormShow", &TPanesForm::FormShow)
                                     .Method("Button1Click", &TPanesForm::Button1Click)
                                     .Info();
  return info;
}

const char* const kPanesForm = R"(object PanesForm: TPanesForm
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Panes'
  ClientHeight = 231
  ClientWidth = 419
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  Position = poScreenCenter
  OnShow = FormShow
  object Label1: TLabel
    Left = 16
    Top = 8
    Caption = 'Copy From'
    Font.Name = 'Arial'
    Font.Size = 20
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Bevel1: TBevel
    Left = 8
    Top = 8
    Width = 403
    Height = 215
    Shape = bsFrame
  end
  object TreeView1: TTreeView
    Left = 16
    Top = 104
    Width = 180
    Height = 100
    Indent = 19
    ReadOnly = True
    TabOrder = 0
  end
  object LabeledEdit1: TLabeledEdit
    Left = 16
    Top = 64
    Width = 180
    Height = 21
    EditLabel.Caption = 'IP Address'
    EditLabel.Font.Style = [fsBold]
    EditLabel.ParentFont = False
    TabOrder = 2
  end
  object Button1: TButton
    Left = 216
    Top = 184
    Width = 193
    Height = 25
    Caption = 'Create'
    Cursor = crHandPoint
    TabOrder = 3
    OnClick = Button1Click
  end
  object LabeledEdit2: TLabeledEdit
    Left = 216
    Top = 64
    Width = 180
    Height = 21
    EditLabel.Caption = 'IP Address'
    TabOrder = 1
  end
  object SaveDialog1: TSaveDialog
    DefaultExt = 'bat'
    FileName = 'BatchRun.bat'
    Filter = '*.bat|*.bat'
  end
end
)";

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override { Application->Initialize(); }
  void TearDown() override {
    Application->OnException = TExceptionEvent();
    DrainQuit();
  }
};

struct TErrorSink {
  std::vector<std::string> Messages;
  void Record(TObject*, const std::string& Message) { Messages.push_back(Message); }
};

TEST_F(FormTest, ApplicationCreatesTheFormFromItsResourceAndShowsIt) {
  TDescriptionModule module("TPANESFORM", kPanesForm);
  ASSERT_NE(module.Get(), nullptr);
  TApplication app(nullptr);
  app.SetResourceModule(module.Get());
  TPanesForm* form = nullptr;
  ASSERT_TRUE(app.CreateForm(form));
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(app.MainForm(), form);
  ASSERT_NE(form->Label1, nullptr);
  EXPECT_EQ(form->Label1->GetText(), "Copy From");
  EXPECT_EQ(form->Label1->GetFont()->GetHeight(), -27);  // 20 pt at 96 dpi
  EXPECT_EQ(form->SaveDialog1->GetFileName(), "BatchRun.bat");
  EXPECT_EQ(form->Button1->GetCursor(), crHandPoint);
  EXPECT_TRUE(form->Label1->GetParentColor());
  EXPECT_FALSE(form->Label1->GetParentFont());
  EXPECT_TRUE(form->TreeView1->GetReadOnly());
  EXPECT_EQ(form->TreeView1->GetIndent(), 19);

  form->Show();
  PumpMessages();
  HWND wnd = form->WindowHandle();
  ASSERT_NE(wnd, nullptr);
  EXPECT_TRUE(IsWindowVisible(wnd));
  EXPECT_EQ(form->Shows, 1);
  char caption[64];
  GetWindowTextA(wnd, caption, sizeof caption);
  EXPECT_STREQ(caption, "Panes");

  RECT client, window;
  GetClientRect(wnd, &client);
  GetWindowRect(wnd, &window);
  EXPECT_EQ(client.right, 419);
  EXPECT_EQ(client.bottom, 231);
  // Centred on the screen, fixed border, no maximise box.
  EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  LONG style = GetWindowLongA(wnd, GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);

  // OnShow moved the focus into the first address field.
  EXPECT_EQ(GetFocus(), form->LabeledEdit1->WindowHandle());

  // The edit's label sits above it with a gap of 3 pixels.
  TBoundLabel* label = form->LabeledEdit1->GetEditLabel();
  EXPECT_EQ(label->Parent(), form);
  EXPECT_EQ(label->GetTop() + label->GetHeight() + 3, 64);
  EXPECT_EQ(label->GetLeft(), 16);
  EXPECT_TRUE(label->GetFont()->GetStyle().Contains(fsBold));

  // The button's click arrives through the form's reflected notification.
  SendMessageA(form->Button1->WindowHandle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->Clicks, 1);
  form->Hide();
}

TEST_F(FormTest, FindControlGoesFromHandleToControlAndIgnoresForeignWindows) {
  TPanesForm form(nullptr);
  form.ReadDescription(kPanesForm);
  HWND wnd = form.Handle();
  EXPECT_EQ(FindControl(wnd), &form);
  EXPECT_EQ(FindControl(form.TreeView1->WindowHandle()), form.TreeView1);
  EXPECT_EQ(FindControl(form.LabeledEdit2->WindowHandle()), form.LabeledEdit2);
  EXPECT_EQ(FindControl(nullptr), nullptr);
  EXPECT_EQ(FindControl(GetDesktopWindow()), nullptr);
  HWND foreign = CreateWindowExA(0, "STATIC", "x", WS_CHILD, 0, 0, 10, 10, wnd, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  EXPECT_EQ(FindControl(foreign), nullptr);
  DestroyWindow(foreign);

  // The property is found under its documented name.
  char name[32];
  std::snprintf(name, sizeof name, "ControlOfs%.8X%.8X",
                static_cast<unsigned>(reinterpret_cast<UINT_PTR>(GetModuleHandleA(nullptr))),
                static_cast<unsigned>(GetCurrentThreadId()));
  EXPECT_EQ(ControlPropertyName(), name);
  EXPECT_EQ(GetPropA(form.Button1->WindowHandle(), name), form.Button1);

  // A destroyed window no longer leads to its control.
  HWND button = form.Button1->WindowHandle();
  delete form.Button1;
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(FindControl(button), nullptr);
  // Nor does a window made anew lead anywhere but to its own control.
  TWinControl* edit = form.LabeledEdit2;
  HWND old = edit->WindowHandle();
  edit->DestroyHandle();
  EXPECT_EQ(FindControl(old), nullptr);
  edit->HandleNeeded();
  EXPECT_EQ(FindControl(edit->WindowHandle()), edit);
}

TEST_F(FormTest, AFaultyDescriptionIsReportedWithItsLineAndNothingIsShown) {
  std::string bad = kPanesForm;
  bad.replace(bad.find("Shape = bsFrame"), 15, "Shape = bsCloud");
  TDescriptionModule module("TPANESFORM", bad);
  ASSERT_NE(module.Get(), nullptr);
  TApplication app(nullptr);
  app.SetResourceModule(module.Get());
  TErrorSink sink;
  app.OnException = TExceptionEvent(&sink, &TErrorSink::Record);
  TPanesForm* form = nullptr;
  EXPECT_FALSE(app.CreateForm(form));
  EXPECT_EQ(form, nullptr);
  EXPECT_EQ(app.MainForm(), nullptr);
  EXPECT_TRUE(app.Terminated());
  app.Run();  // returns at once
  ASSERT_EQ(sink.Messages.size(), 1u);
  EXPECT_NE(sink.Messages[0].find("line 26"), std::string::npos) << sink.Messages[0];
  EXPECT_NE(sink.Messages[0].find("bsCloud"), std::string::npos) << sink.Messages[0];
  EXPECT_EQ(FindWindowA("TPanesForm", nullptr), nullptr);
}

TEST_F(FormTest, AMissingDescriptionIsReportedToo) {
  TApplication app(nullptr);
  TErrorSink sink;
  app.OnException = TExceptionEvent(&sink, &TErrorSink::Record);
  TPanesForm* form = nullptr;
  EXPECT_FALSE(app.CreateForm(form));
  ASSERT_EQ(sink.Messages.size(), 1u);
  EXPECT_NE(sink.Messages[0].find("TPanesForm"), std::string::npos);
}

TEST_F(FormTest, TabOrderFollowsTheDescriptionAndTabMovesTheFocus) {
  TPanesForm form(nullptr);
  form.ReadDescription(kPanesForm);
  std::vector<TWinControl*> expected{form.TreeView1, form.LabeledEdit2, form.LabeledEdit1,
                                     form.Button1};
  EXPECT_EQ(form.TabList(), expected);
  EXPECT_EQ(form.Button1->GetTabOrder(), 3);
  // Only controls that can take the focus count: the form must be showing.
  EXPECT_EQ(form.FindNextControl(form.TreeView1, true), nullptr);
  form.Show();
  PumpMessages();
  EXPECT_EQ(form.FindNextControl(form.TreeView1, true), form.LabeledEdit2);
  EXPECT_EQ(form.FindNextControl(form.Button1, true), form.TreeView1);
  EXPECT_EQ(form.FindNextControl(form.TreeView1, false), form.Button1);
  // Tab in the message loop moves the focus along the same order.
  form.TreeView1->SetFocus();
  PostMessageA(form.TreeView1->WindowHandle(), WM_KEYDOWN, VK_TAB, 0);
  Application->ProcessMessages();
  EXPECT_EQ(GetFocus(), form.LabeledEdit2->WindowHandle());
  form.Button1->SetTabOrder(0);
  EXPECT_EQ(form.TabList().front(), form.Button1);
  form.Hide();
}

TEST_F(FormTest, TheBevelDrawsAnOutlineAndLeavesItsInsideUnpainted) {
  TPanesForm form(nullptr);
  form.ReadDescription(kPanesForm);
  form.SetColor(0x00FF00);  // pure green shows what the bevel leaves alone
  form.Show();
  PumpMessages(200);
  HWND wnd = form.WindowHandle();
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const COLORREF green = RGB(0, 255, 0);
  // Inside the frame, away from the other controls.
  EXPECT_EQ(PixelOf(wnd, 300, 120), green);
  // The etched outline: darker on its outer line, lighter inside it.
  COLORREF outer = PixelOf(wnd, 8, 150), inner = PixelOf(wnd, 9, 150);
  EXPECT_NE(outer, green);
  EXPECT_NE(inner, green);
  EXPECT_EQ(outer, GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(inner, GetSysColor(COLOR_BTNHIGHLIGHT));
  form.Hide();
}

}  // namespace
