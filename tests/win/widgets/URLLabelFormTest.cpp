// Link labels read from a form description, on a real window: the main
// window's settings, the click that opens one page, and the fonts the text
// is drawn in while the mouse is away from the label and over it.
#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "app/portable/Vendor.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/ToolkitTestSupport.h"
#include "toolkit/portable/ClassBuilder.h"
#include "widgets/URLLabel.h"

namespace {

class TLinkForm : public TForm {
  FW_CLASS(TLinkForm)
 public:
  using TForm::TForm;
  TURLLabel* URLLabel1 = nullptr;
  TURLLabel* URLLabel2 = nullptr;
  int Moves = 0;

  void URLLabel1Click(TObject*) { ShellOpen(std::string(kVendorWebAddress)); }
  void URLLabel2MouseMove(TObject*, TShiftState, int, int) { ++Moves; }
};

const TClassInfo& TLinkForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TLinkForm>("TLinkForm", &TForm::StaticClass())
                                     .Field("URLLabel1", &TLinkForm::URLLabel1)
                                     .Field("URLLabel2", &TLinkForm::URLLabel2)
                                     .Method("URLLabel1Click", &TLinkForm::URLLabel1Click)
                                     .Method("URLLabel2MouseMove", &TLinkForm::URLLabel2MouseMove)
                                     .Info();
  return info;
}

// URLLabel1 has the main window's settings.
const char* const kLinkForm = R"(object LinkForm: TLinkForm
  Left = 40
  Top = 40
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Links'
  ClientHeight = 431
  ClientWidth = 719
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  object URLLabel1: TURLLabel
    Left = 586
    Top = 392
    Width = 117
    Height = 13
    Cursor = crHandPoint
    Caption = 'http://fernwick.example'
    LinkFont.Charset = 1
    LinkFont.Color = clRed
    LinkFont.Height = -11
    LinkFont.Name = 'MS Sans Serif'
    LinkFont.Style = [fsUnderline]
    PassiveFont.Charset = 1
    PassiveFont.Color = clBlue
    PassiveFont.Height = -11
    PassiveFont.Name = 'MS Sans Serif'
    PassiveFont.Style = []
    URLAsHint = False
    ShowPrefix = True
    OnClick = URLLabel1Click
  end
  object URLLabel2: TURLLabel
    Left = 16
    Top = 16
    Width = 200
    Height = 40
    AutoSize = False
    Alignment = taRightJustify
    Transparent = True
    WordWrap = True
    LabelType = Active
    LinkType = ltMailTo
    URL = 'help@fernwick.example'
    ShowPrefix = False
    Hint = 'Write to us'
    ShowHint = True
    OnMouseMove = URLLabel2MouseMove
  end
end
)";

struct TColorCount {
  int Red = 0;
  int Blue = 0;
};

class URLLabelFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->Initialize();
    Form = new TLinkForm(nullptr);
    Form->ReadDescription(kLinkForm);
  }
  void TearDown() override { delete Form; }

  // Counts the clearly red and clearly blue pixels inside a label.
  TColorCount CountColors(TControl& Control) {
    RECT r = Control.BoundsRect();
    HDC dc = GetDC(Form->Handle());
    TColorCount count;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        COLORREF c = GetPixel(dc, x, y);
        int red = GetRValue(c), green = GetGValue(c), blue = GetBValue(c);
        if (red > 160 && green < 90 && blue < 90) ++count.Red;
        if (blue > 160 && red < 90 && green < 90) ++count.Blue;
      }
    ReleaseDC(Form->Handle(), dc);
    return count;
  }

  // Moves the system's mouse pointer to a client point of the form.
  void MoveMouseTo(POINT ClientPoint) {
    POINT p = ClientPoint;
    ClientToScreen(Form->Handle(), &p);
    SetCursorPos(p.x, p.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    PumpMessages(150);
  }

  TLinkForm* Form = nullptr;
};

TEST_F(URLLabelFormTest, DescriptionGivesTheLabelTheMainWindowSettings) {
  ASSERT_NE(Form->URLLabel1, nullptr);
  TURLLabel& link = *Form->URLLabel1;
  EXPECT_EQ(link.GetLeft(), 586);
  EXPECT_EQ(link.GetTop(), 392);
  EXPECT_EQ(link.GetText(), std::string(kVendorWebAddress));
  EXPECT_TRUE(link.CaptionFixed());
  EXPECT_EQ(link.GetURL(), std::string(kVendorWebHost));
  EXPECT_EQ(link.GetCursor(), crHandPoint);
  EXPECT_FALSE(link.GetURLAsHint());
  EXPECT_EQ(link.TControl::GetHint(), "");
  EXPECT_TRUE(link.GetShowPrefix());
  EXPECT_EQ(link.GetLinkType(), ltHTTP);
  EXPECT_EQ(link.GetLabelType(), TLabelType::Auto);
  EXPECT_EQ(link.GetLinkFont()->GetColor(), 0x0000FF);
  EXPECT_TRUE(link.GetLinkFont()->GetStyle().Contains(fsUnderline));
  EXPECT_EQ(link.GetPassiveFont()->GetColor(), 0xFF0000);
  // Loaded: an Auto label takes its passive font.
  EXPECT_EQ(link.GetFont()->GetColor(), 0xFF0000);
  EXPECT_FALSE(link.GetFont()->GetStyle().Contains(fsUnderline));

  ASSERT_NE(Form->URLLabel2, nullptr);
  TURLLabel& mail = *Form->URLLabel2;
  EXPECT_EQ(mail.GetLinkType(), ltMailTo);
  EXPECT_EQ(mail.GetLabelType(), TLabelType::Active);
  EXPECT_EQ(mail.GetURL(), "help@fernwick.example");
  EXPECT_EQ(mail.GetText(), "help@fernwick.example");
  EXPECT_EQ(mail.TControl::GetHint(), "Write to us");
  EXPECT_EQ(mail.GetAlignment(), taRightJustify);
  EXPECT_FALSE(mail.GetAutoSize());
  EXPECT_EQ(mail.GetWidth(), 200);
  EXPECT_TRUE(mail.GetTransparent());
  EXPECT_TRUE(mail.GetWordWrap());
  EXPECT_TRUE(mail.GetShowHint());
  EXPECT_TRUE(mail.GetFont()->GetStyle().Contains(fsUnderline));  // Active: link font
}

TEST_F(URLLabelFormTest, AClickOnTheMainWindowLinkOpensExactlyOnePage) {
  TShellCapture shell;
  Form->Show();
  HWND wnd = Form->Handle();
  RECT r = Form->URLLabel1->BoundsRect();
  LPARAM inside = MAKELPARAM(r.left + 3, r.top + 3);
  SendMessageA(wnd, WM_MOUSEMOVE, 0, inside);
  SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  SendMessageA(wnd, WM_LBUTTONUP, 0, inside);
  ASSERT_EQ(shell.Calls.size(), 1u);
  EXPECT_EQ(shell.Calls[0].File, std::string(kVendorWebAddress));
  EXPECT_EQ(shell.Calls[0].Verb, "open");
  EXPECT_EQ(shell.Calls[0].Show, SW_SHOWNORMAL);

  // The other label reports mouse moves over it and opens its mail link.
  RECT m = Form->URLLabel2->BoundsRect();
  LPARAM overMail = MAKELPARAM(m.left + 5, m.top + 5);
  SendMessageA(wnd, WM_MOUSEMOVE, 0, overMail);
  SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(m.left + 6, m.top + 5));
  EXPECT_EQ(Form->Moves, 2);
  SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, overMail);
  SendMessageA(wnd, WM_LBUTTONUP, 0, overMail);
  ASSERT_EQ(shell.Calls.size(), 2u);
  EXPECT_EQ(shell.Calls[1].File, "mailto:help@fernwick.example");
}

TEST_F(URLLabelFormTest, TextIsDrawnInThePassiveColourAndInTheLinkColourUnderTheMouse) {
  TURLLabel& link = *Form->URLLabel1;
  MoveMouseTo(POINT{5, 5});
  Form->Show();
  SetForegroundWindow(Form->Handle());
  UpdateWindow(Form->Handle());
  PumpMessages(200);

  TColorCount away = CountColors(link);
  EXPECT_GT(away.Blue, 20);
  EXPECT_EQ(away.Red, 0);

  RECT r = link.BoundsRect();
  MoveMouseTo(POINT{r.left + 10, (r.top + r.bottom) / 2});
  EXPECT_TRUE(link.MouseInControl());
  TColorCount over = CountColors(link);
  // The underline alone gives a red pixel for every column of text.
  EXPECT_GT(over.Red, away.Blue);
  EXPECT_EQ(over.Blue, 0);

  MoveMouseTo(POINT{5, 5});
  EXPECT_FALSE(link.MouseInControl());
  TColorCount back = CountColors(link);
  EXPECT_EQ(back.Blue, away.Blue);
  EXPECT_EQ(back.Red, 0);
}

}  // namespace
