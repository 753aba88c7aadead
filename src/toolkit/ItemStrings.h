#pragma once
// The items of a list box or combo box: held in the control's window while
// it has one, in a list of their own before it is made and after it is
// destroyed (the control moves them across in CreateWnd and DestroyWnd).

#include <windows.h>

#include "toolkit/portable/Strings.h"

// The messages of one kind of item window (LB_ or CB_).
struct TItemMessages {
  UINT GetCount, GetTextLen, GetText, InsertString, AddString, DeleteString, ResetContent;
  LRESULT Error;
  static const TItemMessages ListBox;
  static const TItemMessages ComboBox;
};

class TItemStrings : public TStrings {
 public:
  explicit TItemStrings(const TItemMessages& Messages) : Msgs(Messages) {}

  // The window the items live in from now on (null: back to the list).
  void MoveToWindow(HWND Window);
  void MoveFromWindow();
  void SetSorted(bool Value) { FBuffer.SetSorted(Value); }

  int Count() const override;
  void Clear() override;

 protected:
  std::string DoGet(int Index) const override;
  int DoInsert(int Index, const std::string& Value) override;
  void DoDelete(int Index) override;
  void SetUpdating(bool Updating) override;

 private:
  class TBuffer : public TStringList {
   public:
    using TStringList::DoDelete;
    using TStringList::DoGet;
    using TStringList::DoInsert;
  };
  const TItemMessages& Msgs;
  HWND FWindow = nullptr;
  TBuffer FBuffer;
};
