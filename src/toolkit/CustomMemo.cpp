#include "toolkit/CustomMemo.h"

#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

// The memo's text seen as lines; every change rewrites the text.
class TCustomMemo::TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo& Memo) : Memo(Memo) {}
  int Count() const override { return static_cast<int>(Lines().size()); }
  void Clear() override {
    Memo.SetText("");
    Changed();
  }

 protected:
  std::string DoGet(int Index) const override { return Lines()[static_cast<size_t>(Index)]; }
  void DoPut(int Index, const std::string& Value) override {
    auto lines = Lines();
    lines[static_cast<size_t>(Index)] = Value;
    Store(lines);
  }
  int DoInsert(int Index, const std::string& Value) override {
    auto lines = Lines();
    lines.insert(lines.begin() + Index, Value);
    Store(lines);
    return Index;
  }
  void DoDelete(int Index) override {
    auto lines = Lines();
    lines.erase(lines.begin() + Index);
    Store(lines);
  }

 private:
  std::vector<std::string> Lines() const { return SplitLines(Memo.GetText()); }
  void Store(const std::vector<std::string>& Lines) {
    std::string text;
    for (size_t i = 0; i < Lines.size(); ++i) text += (i ? "\r\n" : "") + Lines[i];
    Memo.SetText(text);
  }
  TCustomMemo& Memo;
};

const TClassInfo& TCustomMemo::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomMemo>("TCustomMemo", &TCustomEdit::StaticClass()).Info();
  return info;
}

const TClassInfo& TMemo::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMemo>("TMemo", &TCustomMemo::StaticClass())
          .Creatable()
          .ObjectProp("Lines", &TCustomMemo::GetLines)
          .Prop("ScrollBars", &TCustomMemo::GetScrollBars, &TCustomMemo::SetScrollBars, ssNone)
          .Prop("WordWrap", &TCustomMemo::GetWordWrap, &TCustomMemo::SetWordWrap, true)
          .Prop("WantReturns", &TCustomMemo::GetWantReturns, &TCustomMemo::SetWantReturns, true)
          .Prop("WantTabs", &TCustomMemo::GetWantTabs, &TCustomMemo::SetWantTabs, false)
          .Prop("Alignment", &TCustomMemo::GetAlignment, &TCustomMemo::SetAlignment, taLeftJustify)
          .Prop("MaxLength", &TCustomEdit::GetMaxLength, &TCustomEdit::SetMaxLength, 0)
          .Prop("ReadOnly", &TCustomEdit::GetReadOnly, &TCustomEdit::SetReadOnly, false)
          .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
          .ColorProp("Color", &TControl::GetColor, &TControl::SetColor, clWindow)
          .EventProp("OnChange", &TCustomEdit::OnChange)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TMemo);

TCustomMemo::TCustomMemo(TComponent* AOwner)
    : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(*this)) {
  SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

TStrings* TCustomMemo::GetLines() const {
  return FLines.get();
}

void TCustomMemo::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
  if (FWordWrap && FScrollBars != ssHorizontal && FScrollBars != ssBoth)
    Params.Style &= ~ES_AUTOHSCROLL;
  if (FWantReturns) Params.Style |= ES_WANTRETURN;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= WS_HSCROLL;
  if (FAlignment == taCenter) Params.Style |= ES_CENTER;
  if (FAlignment == taRightJustify) Params.Style |= ES_RIGHT;
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  RecreateWnd();
}

void TCustomMemo::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  RecreateWnd();
}

void TCustomMemo::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      TCustomEdit::WndProc(Message);
      Message.Result &= ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
      if (FWantTabs) Message.Result |= DLGC_WANTTAB;
      return;
    case WM_CHAR:
      // Enter types CR; Ctrl+Enter types LF, which the edit also breaks at.
      if (Message.WParam == '\r' && !FWantReturns) return;
      if (Message.WParam == '\t' && !FWantTabs) return;
      break;
  }
  TCustomEdit::WndProc(Message);
}
