#pragma once
// The drop source of a drag that a shell component starts: the drag goes on
// while the button that started it is held, drops when it is released, and
// is cancelled by Escape or by pressing the other button.

#include <oleidl.h>

#include <atomic>

class TVintoShellDropSource : public IDropSource {
 public:
  // Button: MK_LBUTTON or MK_RBUTTON.
  explicit TVintoShellDropSource(DWORD Button) : FButton(Button) {}
  virtual ~TVintoShellDropSource() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID Iid, void** Object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++FRefs; }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL EscapePressed, DWORD KeyState) override;
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

  DWORD Button() const { return FButton; }
  // Whether the drag was cancelled by a press of the other button (whose
  // release is then still to come).
  bool CancelledByButton() const { return FCancelledByButton; }

 private:
  std::atomic<ULONG> FRefs{1};
  DWORD FButton;
  bool FCancelledByButton = false;
};
