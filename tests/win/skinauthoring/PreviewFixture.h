#pragma once
// The preview window shown with the program's own skin, as the skin
// author's tests start from it; what the application shows as messages is
// recorded in Shown.

#include <gtest/gtest.h>
#include <windows.h>

#include "app/MainWindowDriver.h"
#include "app/preview/PreviewForm.h"
#include "common/MessagePump.h"
#include "skin/engine/SkinManager.h"
#include "skinauthoring/AuthoringSupport.h"
#include "toolkit/Application.h"

class TSkinnedPreviewTest : public ::testing::Test {
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
