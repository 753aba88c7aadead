#pragma once
// The application object: initialisation, the title, creating forms from
// their stored descriptions, the message loop and the default handling of
// exceptions (a message box with the exception's message).

#include <windows.h>

#include <string>

#include "toolkit/Form.h"
#include "toolkit/portable/Component.h"

using TExceptionEvent = TEvent<TObject*, const std::string&>;

class TApplication : public TComponent {
  FW_CLASS(TApplication)
 public:
  explicit TApplication(TComponent* AOwner);

  // Registers the common control classes the toolkit uses.
  void Initialize();
  std::string GetTitle() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }

  // Creates a form of class T owned by the application and reads its
  // description resource. The first form created becomes the main form.
  // A faulty description is reported through HandleException; the form is
  // freed, Ref stays null, and when it was to be the main form the
  // application is terminated so that Run returns at once.
  template <class T>
  bool CreateForm(T*& Ref) {
    T* form = new T(this);
    Ref = form;
    if (!LoadForm(form)) {
      Ref = nullptr;
      return false;
    }
    return true;
  }

  // Shows the main form and runs the message loop until the application is
  // terminated (the main form closes).
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  TCustomForm* MainForm() const { return FMainForm; }
  void MainFormDestroyed() { FMainForm = nullptr; }
  // The module whose resources hold the form descriptions; null: the
  // program itself.
  HMODULE ResourceModule() const { return FResourceModule; }
  void SetResourceModule(HMODULE Value) { FResourceModule = Value; }

  // Handles the messages waiting now, then returns.
  void ProcessMessages();
  // Waits for one message and handles it.
  void HandleMessage();

  // Shows the message of the exception being handled. Call from a catch
  // block.
  void HandleException(TObject* Sender);
  void ShowException(const std::string& Message);
  int MessageBox(const std::string& Text, const std::string& Caption, UINT Flags);

  // When assigned, receives exception messages instead of the message box.
  TExceptionEvent OnException;

 private:
  bool LoadForm(TCustomForm* Form);
  bool ProcessMessage(MSG& Msg);
  bool IsTabNavigation(const MSG& Msg);
  bool IsMenuShortCut(const MSG& Msg);
  bool IsMDIKey(MSG& Msg);

  std::string FTitle;
  HMODULE FResourceModule = nullptr;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
};

extern TApplication* Application;
