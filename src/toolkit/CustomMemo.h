#pragma once
// A multi-line edit over the system EDIT class. Lines is a view of the
// text, one entry per line; changing it changes the text at once.
// WordWrap breaks long lines at the right edge (and then no horizontal
// scrolling happens); WantReturns lets Enter start a new line (else only
// Ctrl+Enter does); WantTabs lets Tab type a tab instead of moving on.

#include <memory>

#include "toolkit/CustomEdit.h"
#include "toolkit/portable/Strings.h"

FW_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)

class TCustomMemo : public TCustomEdit {
  FW_CLASS(TCustomMemo)
 public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;

  TStrings* GetLines() const;
  TScrollStyle GetScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool GetWantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool GetWantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

 private:
  class TMemoStrings;
  std::unique_ptr<TMemoStrings> FLines;
  TScrollStyle FScrollBars = ssNone;
  bool FWordWrap = true;
  bool FWantReturns = true;
  bool FWantTabs = false;
  TAlignment FAlignment = taLeftJustify;
};

class TMemo : public TCustomMemo {
  FW_CLASS(TMemo)
 public:
  using TCustomMemo::TCustomMemo;
};
