#include "shell/ShellDropSource.h"

HRESULT TVintoShellDropSource::QueryInterface(REFIID Iid, void** Object) {
  if (!Object) return E_POINTER;
  if (IsEqualIID(Iid, IID_IUnknown) || IsEqualIID(Iid, IID_IDropSource)) {
    *Object = static_cast<IDropSource*>(this);
    AddRef();
    return S_OK;
  }
  *Object = nullptr;
  return E_NOINTERFACE;
}

ULONG TVintoShellDropSource::Release() {
  const ULONG refs = --FRefs;
  if (refs == 0) delete this;
  return refs;
}

HRESULT TVintoShellDropSource::QueryContinueDrag(BOOL EscapePressed, DWORD KeyState) {
  const DWORD other = FButton == MK_LBUTTON ? MK_RBUTTON : MK_LBUTTON;
  if (EscapePressed) return DRAGDROP_S_CANCEL;
  if (KeyState & other) {
    FCancelledByButton = true;
    return DRAGDROP_S_CANCEL;
  }
  if (KeyState & FButton) return S_OK;
  return DRAGDROP_S_DROP;
}
