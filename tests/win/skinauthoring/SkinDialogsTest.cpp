// The open dialog and the folder choice, answered as a user answers them:
// the path typed into the dialog and Enter pressed. Opened from a skinned
// window, each is skinned too.
#include <gtest/gtest.h>

#include "app/MainWindowDriver.h"
#include "app/preview/PreviewForm.h"
#include "common/TempFolder.h"
#include "skin/engine/SkinManager.h"
#include "skinauthoring/AuthoringSupport.h"
#include "skinauthoring/PreviewFixture.h"
#include "toolkit/FolderDialog.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/portable/TextUtil.h"

namespace {

using SkinDialogs = TSkinnedPreviewTest;

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
