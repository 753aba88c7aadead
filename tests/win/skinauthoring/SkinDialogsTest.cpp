// The open dialog and the folder choice, answered as a user answers them:
// the path typed into the dialog and Enter pressed. Opened from a skinned
// window, each is skinned too.
#include <gtest/gtest.h>

#include "app/MainWindowDriver.h"
#include "app/preview/PreviewForm.h"
#include "common/TempFolder.h"
#include "skin/engine/SkinManager.h"
#include "skinauthoring/AuthoringSupport.h"
#include "toolkit/FolderDialog.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/portable/TextUtil.h"

namespace {

class SkinDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->Initialize();
    Application->OnException = TExceptionEvent(&Shown, &TShownMessages::Record);
    App.OnException = Application->OnException;
    ASSERT_TRUE(App.CreateForm(Form));
    Form->Show();
    Form->ShowOwnSkin();
    TSkinManage::Instance()->RunScheduledAction();
    PumpApplication(App, 200);
  }
  void TearDown() override {
    delete Form;
    Application->OnException = TExceptionEvent();
    PumpMessages(50);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  TApplication App{nullptr};
  TShownMessages Shown;
  TPreviewForm* Form = nullptr;
};

TEST_F(SkinDialogs, TheOpenDialogTakesATypedFileAndKeepsItOnCancel) {
  TTempFolder folder;
  const std::string file = folder.MakeFile("Typed.skn");
  TOpenDialog dialog(Form);
  dialog.SetFilter("Skins (*.skn)|*.skn");
  dialog.SetInitialDir(folder.Path());
  TOpenOptions options = dialog.GetOptions();
  dialog.SetOptions(options.Include(ofFileMustExist));
  {
    TDialogTyping answer(file);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_TRUE(answer.Seen());
    EXPECT_TRUE(answer.Skinned());
    EXPECT_FALSE(answer.LeftOpen());
  }
  EXPECT_TRUE(SameText(dialog.GetFileName(), file)) << dialog.GetFileName();
  {
    TDialogTyping answer("");
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(answer.Seen());
  }
  EXPECT_TRUE(SameText(dialog.GetFileName(), file)) << dialog.GetFileName();
}

TEST_F(SkinDialogs, TheFolderChoiceTakesATypedFolderAndKeepsItOnCancel) {
  TTempFolder folder;
  const std::string chosen = folder.MakeFolder("Unpacked skin");
  TFolderDialog dialog(Form);
  dialog.SetTitle("Open skin folder");
  dialog.SetDirectory(folder.Path());
  {
    TDialogTyping answer(chosen);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_TRUE(answer.Seen());
    EXPECT_TRUE(answer.Skinned());
    EXPECT_FALSE(answer.LeftOpen());
  }
  EXPECT_TRUE(SameText(dialog.GetDirectory(), chosen)) << dialog.GetDirectory();
  {
    TDialogTyping answer("");
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(answer.Seen());
  }
  EXPECT_TRUE(SameText(dialog.GetDirectory(), chosen)) << dialog.GetDirectory();
}

}  // namespace
