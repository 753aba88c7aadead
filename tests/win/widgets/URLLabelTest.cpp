// The link label's address rules, display text, hint, fonts and what a
// click opens. The shell's open requests are captured.
#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "app/portable/Vendor.h"
#include "toolkit/Application.h"
#include "widgets/URLLabel.h"

namespace {

struct TClickCounter {
  int Clicks = 0;
  void Click(TObject*) { ++Clicks; }
};

class URLLabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->Initialize();
    Label = new TURLLabel(nullptr);
    Label->OnClick = TNotifyEvent(&Counter, &TClickCounter::Click);
  }
  void TearDown() override { delete Label; }

  // A click as the framework delivers it: button down and up inside.
  void ClickLabel() {
    Label->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    Label->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  }

  TURLLabel* Label = nullptr;
  TClickCounter Counter;
  TShellCapture Shell;
};

TEST_F(URLLabelTest, NewLabelShowsTheVendorAddressAndDoesNotOpenItOnAClick) {
  EXPECT_EQ(Label->GetURL(), std::string(kVendorWebHost));
  EXPECT_EQ(Label->GetText(), std::string(kVendorWebAddress));
  EXPECT_EQ(Label->TControl::GetHint(), std::string(kVendorWebAddress));
  EXPECT_TRUE(Label->GetURLAsHint());
  EXPECT_TRUE(Label->GetShowPrefix());
  EXPECT_EQ(Label->GetLinkType(), ltHTTP);
  EXPECT_EQ(Label->GetLabelType(), TLabelType::Auto);
  EXPECT_EQ(Label->GetCursor(), crHandPoint);
  EXPECT_FALSE(Label->GetShowAccelChar());
  EXPECT_FALSE(Label->CaptionFixed());

  // Link font: the label's font in blue, underlined; the label starts with
  // the passive font, a plain copy.
  EXPECT_EQ(Label->GetLinkFont()->GetColor(), 0xFF0000);
  EXPECT_TRUE(Label->GetLinkFont()->GetStyle().Contains(fsUnderline));
  EXPECT_EQ(Label->GetLinkFont()->GetName(), Label->GetPassiveFont()->GetName());
  EXPECT_FALSE(Label->GetPassiveFont()->GetStyle().Contains(fsUnderline));
  EXPECT_EQ(Label->GetFont()->GetColor(), Label->GetPassiveFont()->GetColor());
  EXPECT_FALSE(Label->GetFont()->GetStyle().Contains(fsUnderline));

  // The handler check has not run for the web link yet: Auto does not open.
  EXPECT_FALSE(Label->HandlerAvailable());
  ClickLabel();
  EXPECT_EQ(Counter.Clicks, 1);
  EXPECT_TRUE(Shell.Calls.empty());
}

TEST_F(URLLabelTest, WebAndMailPrefixesAreTakenOffTheAddressAndShownAgain) {
  Label->SetLabelType(TLabelType::Active);
  Label->SetURL("HTTP://www.example.org/a");
  EXPECT_EQ(Label->GetURL(), "www.example.org/a");
  EXPECT_EQ(Label->GetText(), "http://www.example.org/a");
  ClickLabel();
  ASSERT_EQ(Shell.Calls.size(), 1u);
  const TShellCall& call = Shell.Calls[0];
  EXPECT_EQ(call.Owner, nullptr);
  EXPECT_EQ(call.Verb, "open");
  EXPECT_EQ(call.File, "http://www.example.org/a");
  EXPECT_FALSE(call.HasParameters);
  EXPECT_FALSE(call.HasDirectory);
  EXPECT_EQ(call.Show, SW_SHOWNORMAL);

  // Without the prefix shown, the caption is the bare address; the click
  // target keeps its prefix.
  Label->SetShowPrefix(false);
  EXPECT_EQ(Label->GetText(), "www.example.org/a");
  ClickLabel();
  EXPECT_EQ(Shell.Calls.back().File, "http://www.example.org/a");
}

TEST_F(URLLabelTest, AnAddressWithAnAtSignBecomesAMailLink) {
  Label->SetLabelType(TLabelType::Active);
  Label->SetURL("sales@fernwick.example");
  EXPECT_EQ(Label->GetLinkType(), ltMailTo);
  EXPECT_EQ(Label->GetText(), "mailto:sales@fernwick.example");
  ClickLabel();
  ASSERT_EQ(Shell.Calls.size(), 1u);
  EXPECT_EQ(Shell.Calls[0].File, "mailto:sales@fernwick.example");

  Label->SetURL("MailTo:help@fernwick.example");
  EXPECT_EQ(Label->GetURL(), "help@fernwick.example");

  // An address without "@" leaves the link type as it is.
  Label->SetURL("fernwick.example");
  EXPECT_EQ(Label->GetLinkType(), ltMailTo);
  EXPECT_EQ(Label->GetText(), "mailto:fernwick.example");
}

TEST_F(URLLabelTest, AnAddressThatCarriesItsOwnSchemeIsNotGivenItTwice) {
  Label->SetLabelType(TLabelType::Active);
  Label->SetLinkType(ltFTP);
  Label->SetURL("ftp://files.fernwick.example/pub");
  EXPECT_EQ(Label->GetURL(), "ftp://files.fernwick.example/pub");  // stored whole
  EXPECT_EQ(Label->GetText(), "ftp://files.fernwick.example/pub");
  ClickLabel();
  ASSERT_EQ(Shell.Calls.size(), 1u);
  EXPECT_EQ(Shell.Calls[0].File, "ftp://files.fernwick.example/pub");
  // Another scheme's prefix is not taken off: the link type's goes in front.
  Label->SetLinkType(ltNews);
  EXPECT_EQ(Label->Target(), "news:ftp://files.fernwick.example/pub");
}

TEST_F(URLLabelTest, AFixedCaptionStaysWhileHintAndTargetFollowTheAddress) {
  Label->SetLabelType(TLabelType::Active);
  Label->SetCaption("Our & home page");
  EXPECT_TRUE(Label->CaptionFixed());
  Label->SetURL("www.other.example");
  EXPECT_EQ(Label->GetText(), "Our & home page");
  EXPECT_EQ(Label->TControl::GetHint(), "http://www.other.example");
  ClickLabel();
  ASSERT_EQ(Shell.Calls.size(), 1u);
  EXPECT_EQ(Shell.Calls[0].File, "http://www.other.example");
  Label->SetShowPrefix(false);
  EXPECT_EQ(Label->GetText(), "Our & home page");
  EXPECT_EQ(Label->TControl::GetHint(), "www.other.example");
}

TEST_F(URLLabelTest, ReadingTheHintTurnsURLAsHintOff) {
  EXPECT_EQ(Label->GetHint(), std::string(kVendorWebAddress));
  EXPECT_FALSE(Label->GetURLAsHint());
  // Through the property registry, as the skin engine and form code read it.
  Label->SetURLAsHint(true);
  const TPropInfo* hint = Label->ClassType().FindProperty("Hint");
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->Get(*Label).Text, std::string(kVendorWebAddress));
  EXPECT_FALSE(Label->GetURLAsHint());
  // From now on the address no longer replaces the hint.
  Label->SetURL("www.later.example");
  EXPECT_EQ(Label->TControl::GetHint(), std::string(kVendorWebAddress));
}

TEST_F(URLLabelTest, URLAsHintOffClearsTheAddressHintButKeepsAWrittenOne) {
  Label->SetURLAsHint(false);
  EXPECT_EQ(Label->TControl::GetHint(), "");
  Label->SetHint("Visit us");
  Label->SetURL("www.changed.example");
  EXPECT_EQ(Label->TControl::GetHint(), "Visit us");
  Label->SetURLAsHint(true);
  EXPECT_EQ(Label->TControl::GetHint(), "http://www.changed.example");

  // A hint written before URLAsHint is switched off stays.
  TURLLabel other(nullptr);
  other.SetURLAsHint(false);
  other.SetHint("Written");
  other.SetURLAsHint(true);
  other.SetHint("Written again");
  other.SetURLAsHint(false);
  EXPECT_EQ(other.TControl::GetHint(), "Written again");
}

TEST_F(URLLabelTest, ChangingTheLinkTypeSwapsTheBuiltInAddresses) {
  Label->SetLinkType(ltMailTo);
  EXPECT_EQ(Label->GetURL(), std::string(kVendorMailAddress));
  EXPECT_EQ(Label->GetText(), "mailto:" + std::string(kVendorMailAddress));
  Label->SetLinkType(ltHTTP);
  EXPECT_EQ(Label->GetURL(), std::string(kVendorWebHost));
  EXPECT_EQ(Label->GetText(), std::string(kVendorWebAddress));
  // Other addresses stay.
  Label->SetURL("www.mine.example");
  Label->SetLinkType(ltMailTo);
  EXPECT_EQ(Label->GetURL(), "www.mine.example");
  Label->SetLinkType(ltGopher);
  EXPECT_EQ(Label->GetText(), "gopher://www.mine.example");
  // A link without scheme shows the bare address.
  Label->SetLinkType(ltNone);
  EXPECT_EQ(Label->GetText(), "www.mine.example");
}

TEST_F(URLLabelTest, LabelTypeDecidesFontsAndOpening) {
  const TFont& link = *Label->GetLinkFont();
  // Active: the link font at once, and a click opens without a handler check.
  Label->SetLabelType(TLabelType::Active);
  EXPECT_EQ(Label->GetFont()->GetColor(), link.GetColor());
  EXPECT_TRUE(Label->GetFont()->GetStyle().Contains(fsUnderline));
  ClickLabel();
  EXPECT_EQ(Shell.Calls.size(), 1u);

  // Passive: hovering changes nothing, a click runs OnClick only.
  Label->SetLabelType(TLabelType::Passive);
  EXPECT_FALSE(Label->GetFont()->GetStyle().Contains(fsUnderline));
  Label->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(Label));
  EXPECT_FALSE(Label->GetFont()->GetStyle().Contains(fsUnderline));
  Label->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(Label));
  ClickLabel();
  EXPECT_EQ(Shell.Calls.size(), 1u);
  EXPECT_EQ(Counter.Clicks, 2);

  // Auto: the link font while the mouse is over the label.
  Label->SetLabelType(TLabelType::Auto);
  Label->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(Label));
  EXPECT_EQ(Label->GetFont()->GetColor(), link.GetColor());
  EXPECT_TRUE(Label->GetFont()->GetStyle().Contains(fsUnderline));
  EXPECT_TRUE(Label->MouseInControl());  // the framework still saw it
  Label->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(Label));
  EXPECT_EQ(Label->GetFont()->GetColor(), Label->GetPassiveFont()->GetColor());
  EXPECT_FALSE(Label->GetFont()->GetStyle().Contains(fsUnderline));
}

TEST_F(URLLabelTest, FontWritesChangeTheOwnedFontsNotTheCurrentOne) {
  TFont red;
  red.SetColor(0x0000FF);
  red.SetName("Arial");
  Label->SetPassiveFont(red);
  EXPECT_EQ(Label->GetPassiveFont()->GetColor(), 0x0000FF);
  EXPECT_EQ(Label->GetPassiveFont()->GetName(), "Arial");
  EXPECT_NE(Label->GetFont()->GetColor(), 0x0000FF);
  red.SetColor(0x00FF00);  // a copy was taken
  EXPECT_EQ(Label->GetPassiveFont()->GetColor(), 0x0000FF);
  Label->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(Label));
  Label->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(Label));
  EXPECT_EQ(Label->GetFont()->GetColor(), 0x0000FF);
  EXPECT_EQ(Label->GetFont()->GetName(), "Arial");
}

TEST_F(URLLabelTest, ALinkWithoutSchemeNeverOpens) {
  Label->SetLabelType(TLabelType::Active);
  Label->SetLinkType(ltNone);
  ClickLabel();
  EXPECT_TRUE(Shell.Calls.empty());
  EXPECT_EQ(Counter.Clicks, 1);
}

}  // namespace
