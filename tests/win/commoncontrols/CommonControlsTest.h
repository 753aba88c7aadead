#pragma once
// A shown form for the common controls' tests, made once per suite:
// showing and destroying top-level windows is slow under Wine.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RealInput.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

class CommonControlsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application->Initialize();
    Form = new TForm(nullptr);
    Form->SetBounds(40, 40, 520, 420);
    Form->Show();
  }
  static void TearDownTestSuite() { delete Form; }
  void SetUp() override {
    SetForegroundWindow(Form->Handle());
    PumpMessages(30);
  }
  void TearDown() override { Form->DestroyOwnedComponents(); }

  template <class C>
  C* Make(int Left, int Top, int Width, int Height) {
    auto* c = new C(Form);
    c->SetParent(Form);
    c->SetBounds(Left, Top, Width, Height);
    return c;
  }

  static std::string ClassOf(HWND Wnd) {
    char name[128] = {};
    GetClassNameA(Wnd, name, sizeof name);
    return name;
  }
  static LONG_PTR StyleOf(HWND Wnd) { return GetWindowLongPtrA(Wnd, GWL_STYLE); }

  static inline TForm* Form = nullptr;
};

inline COLORREF PixelOf(HWND Wnd, int X, int Y) {
  HDC dc = GetDC(Wnd);
  COLORREF c = GetPixel(dc, X, Y);
  ReleaseDC(Wnd, dc);
  return c;
}

// Collects what the controls' events report.
struct TEventLog {
  std::vector<std::string> Lines;
  bool Refuse = false;
  void Note(const std::string& Line) { Lines.push_back(Line); }
  int Count(const std::string& Line) const {
    int n = 0;
    for (const auto& l : Lines) n += l == Line;
    return n;
  }
};
