#include "toolkit/ItemStrings.h"

const TItemMessages TItemMessages::ListBox{LB_GETCOUNT,     LB_GETTEXTLEN, LB_GETTEXT,
                                           LB_INSERTSTRING, LB_ADDSTRING,  LB_DELETESTRING,
                                           LB_RESETCONTENT, LB_ERR};
const TItemMessages TItemMessages::ComboBox{CB_GETCOUNT,     CB_GETLBTEXTLEN, CB_GETLBTEXT,
                                            CB_INSERTSTRING, CB_ADDSTRING,    CB_DELETESTRING,
                                            CB_RESETCONTENT, CB_ERR};

void TItemStrings::MoveToWindow(HWND Window) {
  FWindow = Window;
  if (!Window) return;
  SendMessageA(Window, Msgs.ResetContent, 0, 0);
  for (int i = 0, n = FBuffer.Count(); i < n; ++i)
    SendMessageA(Window, Msgs.AddString, 0, reinterpret_cast<LPARAM>(FBuffer.DoGet(i).c_str()));
  FBuffer.Clear();
}

void TItemStrings::MoveFromWindow() {
  if (!FWindow) return;
  std::vector<std::string> items = GetStrings();
  FWindow = nullptr;
  FBuffer.Clear();
  for (const std::string& item : items) FBuffer.DoInsert(FBuffer.Count(), item);
}

int TItemStrings::Count() const {
  if (!FWindow) return FBuffer.Count();
  LRESULT n = SendMessageA(FWindow, Msgs.GetCount, 0, 0);
  return n == Msgs.Error ? 0 : static_cast<int>(n);
}

void TItemStrings::Clear() {
  if (FWindow) {
    SendMessageA(FWindow, Msgs.ResetContent, 0, 0);
  } else {
    FBuffer.Clear();
  }
  Changed();
}

std::string TItemStrings::DoGet(int Index) const {
  if (!FWindow) return FBuffer.DoGet(Index);
  LRESULT length = SendMessageA(FWindow, Msgs.GetTextLen, Index, 0);
  if (length == Msgs.Error || length < 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  LRESULT got = SendMessageA(FWindow, Msgs.GetText, Index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(got == Msgs.Error ? 0 : static_cast<size_t>(got));
  return text;
}

int TItemStrings::DoInsert(int Index, const std::string& Value) {
  if (!FWindow) return FBuffer.DoInsert(Index, Value);
  // A sorted window chooses the place itself when the item is added.
  const bool sorted = GetWindowLongPtrA(FWindow, GWL_STYLE) &
                      (Msgs.AddString == LB_ADDSTRING ? LBS_SORT : CBS_SORT);
  const bool append = Index == Count();
  LRESULT at = sorted || append ? SendMessageA(FWindow, Msgs.AddString, 0,
                                               reinterpret_cast<LPARAM>(Value.c_str()))
                                : SendMessageA(FWindow, Msgs.InsertString, Index,
                                               reinterpret_cast<LPARAM>(Value.c_str()));
  return at < 0 ? Index : static_cast<int>(at);
}

void TItemStrings::DoDelete(int Index) {
  if (!FWindow) {
    FBuffer.DoDelete(Index);
    return;
  }
  SendMessageA(FWindow, Msgs.DeleteString, Index, 0);
}

void TItemStrings::SetUpdating(bool Updating) {
  if (FWindow) SendMessageA(FWindow, WM_SETREDRAW, Updating ? FALSE : TRUE, 0);
  if (FWindow && !Updating) InvalidateRect(FWindow, nullptr, TRUE);
}
