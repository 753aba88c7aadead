// The handler check of web links reads the class registry; these tests
// point the process's classes root at a key of their own and fill it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "WidgetTestSupport.h"
#include "app/portable/Vendor.h"
#include "toolkit/Application.h"
#include "widgets/LinkHandlers.h"
#include "widgets/URLLabel.h"

namespace {

class TFakeClassesRoot {
 public:
  TFakeClassesRoot()
      : Path("Software\\FernwickTests\\Classes" + std::to_string(GetCurrentProcessId())) {
    RegCreateKeyExA(HKEY_CURRENT_USER, Path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Key,
                    nullptr);
    Overridden = Key && RegOverridePredefKey(HKEY_CLASSES_ROOT, Key) == ERROR_SUCCESS;
  }
  ~TFakeClassesRoot() {
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    if (Key) RegCloseKey(Key);
    RegDeleteTreeA(HKEY_CURRENT_USER, Path.c_str());
  }
  TFakeClassesRoot(const TFakeClassesRoot&) = delete;
  TFakeClassesRoot& operator=(const TFakeClassesRoot&) = delete;

  bool Ready() const { return Overridden; }

  void SetDefault(const std::string& SubKey, const std::string& Value) {
    HKEY sub = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(Key, SubKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr),
        ERROR_SUCCESS);
    RegSetValueExA(sub, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(Value.c_str()),
                   static_cast<DWORD>(Value.size() + 1));
    RegCloseKey(sub);
  }
  void Remove(const std::string& SubKey) { RegDeleteTreeA(Key, SubKey.c_str()); }

  // .html names a class with an open command; .htm has no class name and
  // carries its own command.
  void AddBrowser() {
    SetDefault(".html", "fwpage");
    SetDefault("fwpage\\shell\\open\\command", "browser.exe \"%1\"");
    SetDefault(".htm", "");
    SetDefault(".htm\\shell\\open\\command", "browser.exe \"%1\"");
  }

 private:
  std::string Path;
  HKEY Key = nullptr;
  bool Overridden = false;
};

class LinkHandlersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->Initialize();
    if (!Classes.Ready()) GTEST_SKIP() << "the classes root cannot be redirected here";
  }
  TFakeClassesRoot Classes;
};

TEST_F(LinkHandlersTest, WebPagesNeedAnOpenCommandForBothExtensions) {
  EXPECT_FALSE(HasWebPageHandler());
  Classes.AddBrowser();
  EXPECT_TRUE(HasWebPageHandler());

  Classes.Remove(".htm\\shell");
  EXPECT_FALSE(HasWebPageHandler());
  Classes.SetDefault(".htm\\shell\\open\\command", "");  // present but empty
  EXPECT_FALSE(HasWebPageHandler());
  Classes.SetDefault(".htm\\shell\\open\\command", "browser.exe");
  EXPECT_TRUE(HasWebPageHandler());

  Classes.SetDefault(".html", "fwmissing");  // names a class that is not there
  EXPECT_FALSE(HasWebPageHandler());
}

TEST_F(LinkHandlersTest, AutoLabelOpensOnlyOnceALinkTypeChangeFoundAHandler) {
  Classes.AddBrowser();
  TShellCapture shell;
  TURLLabel label(nullptr);
  auto click = [&] {
    label.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    label.Perform(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  };
  click();
  EXPECT_TRUE(shell.Calls.empty());  // a new label never checked

  label.SetLinkType(ltFTP);  // no check for this scheme: still no handler
  EXPECT_FALSE(label.HandlerAvailable());
  label.SetLinkType(ltHTTP);
  EXPECT_TRUE(label.HandlerAvailable());
  click();
  ASSERT_EQ(shell.Calls.size(), 1u);
  EXPECT_EQ(shell.Calls[0].File, "http://fernwick.example");

  // Other schemes keep the last answer; the web check runs again on return.
  label.SetLinkType(ltNews);
  EXPECT_TRUE(label.HandlerAvailable());
  Classes.Remove(".html");
  label.SetLinkType(ltHTTP);
  EXPECT_FALSE(label.HandlerAvailable());
  click();
  EXPECT_EQ(shell.Calls.size(), 1u);
}

TEST_F(LinkHandlersTest, TheCheckCreatesNoKeys) {
  EXPECT_FALSE(HasWebPageHandler());
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".html", 0, KEY_READ, &key), ERROR_SUCCESS);
  if (key) RegCloseKey(key);
}

}  // namespace

namespace {

TEST(MailHandlerTest, MailLinksAreOpenedWhenTheMailLibraryIsThere) {
  Application->Initialize();
  HMODULE probe = LoadLibraryA("MAPI32.DLL");
  const bool present = probe != nullptr;
  if (probe) FreeLibrary(probe);

  TURLLabel label(nullptr);
  label.SetLinkType(ltMailTo);
  EXPECT_EQ(label.HandlerAvailable(), present);
  TShellCapture shell;
  label.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  label.Perform(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  EXPECT_EQ(shell.Calls.size(), present ? 1u : 0u);
  if (!shell.Calls.empty())
    EXPECT_EQ(shell.Calls[0].File, "mailto:" + std::string(kVendorMailAddress));
}

}  // namespace
