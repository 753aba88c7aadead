#include "toolkit/Application.h"

#include <commctrl.h>

#include <exception>

#include "toolkit/ControlAtom.h"
#include "toolkit/Menu.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TApplication::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TApplication>("TApplication", &TComponent::StaticClass())
          .Prop("Title", &TApplication::GetTitle, &TApplication::SetTitle, std::string())
          .Info();
  return info;
}

TApplication* Application = new TApplication(nullptr);

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name(path, length);
  name = name.substr(name.find_last_of("\\/") + 1);
  FTitle = name.substr(0, name.find_last_of('.'));
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  ControlAtom();
}

bool TApplication::LoadForm(TCustomForm* Form) {
  try {
    Form->LoadFromResource(FResourceModule);
  } catch (...) {
    HandleException(Form);
    bool wasMain = !FMainForm;
    delete Form;
    if (wasMain) Terminate();
    return false;
  }
  if (!FMainForm) FMainForm = Form;
  return true;
}

void TApplication::Run() {
  if (!FMainForm || FTerminated) return;
  FMainForm->Show();
  while (!FTerminated) HandleMessage();
}

void TApplication::Terminate() {
  if (FTerminated) return;
  FTerminated = true;
  PostQuitMessage(0);
}

bool TApplication::IsTabNavigation(const MSG& Msg) {
  if (Msg.message != WM_KEYDOWN || Msg.wParam != VK_TAB) return false;
  if (GetKeyState(VK_MENU) < 0) return false;
  // The focus may be in a window inside a control (a combo box's edit).
  TWinControl* focused = nullptr;
  for (HWND w = Msg.hwnd; w && !focused; w = GetParent(w)) {
    focused = FindControl(w);
    if (!(GetWindowLongPtrA(w, GWL_STYLE) & WS_CHILD)) break;
  }
  if (!focused) return false;
  if (GetKeyState(VK_CONTROL) < 0) {
    for (TWinControl* c = focused; c; c = c->Parent())
      if (c->Perform(CM_DIALOGKEY, VK_TAB, 0) != 0) return true;
    return false;
  }
  // A control that types tabs (a memo with WantTabs) keeps the key. (No
  // message goes with the question: an edit given one takes itself to be
  // in a dialog and stops typing tabs.)
  if (SendMessageA(Msg.hwnd, WM_GETDLGCODE, VK_TAB, 0) & DLGC_WANTTAB) return false;
  TCustomForm* form = GetParentForm(focused);
  if (!form) return false;
  form->SelectNext(focused, GetKeyState(VK_SHIFT) >= 0);
  return true;
}

namespace {

// The form of the toolkit window that a message went to (or of the
// nearest toolkit window above it), or null.
TCustomForm* FormOfWindow(HWND Wnd) {
  for (; Wnd; Wnd = GetParent(Wnd))
    if (TWinControl* control = FindControl(Wnd)) return GetParentForm(control);
  return nullptr;
}

}  // namespace

bool TApplication::IsMenuShortCut(const MSG& Msg) {
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN) return false;
  TCustomForm* form = FormOfWindow(Msg.hwnd);
  return form && form->IsShortCut(ShortCutFromKey(Msg.wParam));
}

// Ctrl+F4 closes and Ctrl+F6 switches MDI children.
bool TApplication::IsMDIKey(MSG& Msg) {
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN) return false;
  TCustomForm* form = FormOfWindow(Msg.hwnd);
  if (TCustomForm* parent = form ? form->MDIParent() : nullptr) form = parent;
  return form && form->ClientHandle() && TranslateMDISysAccel(form->ClientHandle(), &Msg);
}

bool TApplication::ProcessMessage(MSG& Msg) {
  if (Msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  if (IsTabNavigation(Msg) || IsMDIKey(Msg) || IsMenuShortCut(Msg)) return true;
  TranslateMessage(&Msg);
  DispatchMessageA(&Msg);
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ProcessMessage(msg);
    if (msg.message == WM_QUIT) break;
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
    FTerminated = true;
    return;
  }
  ProcessMessage(msg);
}

void TApplication::HandleException(TObject* Sender) {
  std::string message = "Unknown error";
  try {
    if (auto current = std::current_exception()) std::rethrow_exception(current);
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
  }
  if (OnException) {
    OnException(Sender, message);
    return;
  }
  ShowException(message);
}

void TApplication::ShowException(const std::string& Message) {
  MessageBox(Message, FTitle, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, UINT Flags) {
  HWND owner = GetActiveWindow();
  return ::MessageBoxA(owner, Text.c_str(), Caption.c_str(), Flags);
}
