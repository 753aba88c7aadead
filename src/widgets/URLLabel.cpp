#include "widgets/URLLabel.h"

#include "app/portable/Vendor.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/TextUtil.h"
#include "widgets/LinkHandlers.h"
#include "widgets/ShellOpen.h"

namespace {

// The colour of a link: blue.
constexpr int kLinkColor = 0xFF0000;

bool StartsWithIgnoringCase(const std::string& Text, const std::string& Prefix) {
  return Text.size() >= Prefix.size() && SameText(Text.substr(0, Prefix.size()), Prefix);
}

TPropInfo ReadingHintProperty() {
  TPropInfo info;
  info.Name = "Hint";
  info.Kind = pkString;
  info.HasDefault = true;
  // Labels are never const objects; reading the hint changes URLAsHint.
  info.Get = [](const TObject& O) {
    TPropValue value;
    value.Text = const_cast<TURLLabel&>(static_cast<const TURLLabel&>(O)).GetHint();
    return value;
  };
  info.Set = [](TObject& O, const TPropValue& Value) {
    static_cast<TURLLabel&>(O).SetHint(Value.Text);
  };
  return info;
}

}  // namespace

std::string LinkPrefix(TLinkType Type) {
  switch (Type) {
    case ltFile:
      return "file://";
    case ltFTP:
      return "ftp://";
    case ltGopher:
      return "gopher://";
    case ltHTTP:
      return "http://";
    case ltMailTo:
      return "mailto:";
    case ltNews:
      return "news:";
    case ltTelNet:
      return "telnet:";
    case ltNone:
      break;
  }
  return {};
}

const std::string TURLLabel::DefaultWebURL(kVendorWebHost);
const std::string TURLLabel::DefaultMailURL(kVendorMailAddress);

const TClassInfo& TURLLabel::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo result =
        TClassBuilder<TURLLabel>("TURLLabel", &TCustomLabel::StaticClass())
            .Creatable()
            .ObjectProp("LinkFont", &TURLLabel::GetLinkFont)
            .ObjectProp("PassiveFont", &TURLLabel::GetPassiveFont)
            .Prop("Caption", &TURLLabel::GetCaption, &TURLLabel::SetCaption, std::string())
            .Prop("URL", &TURLLabel::GetURL, &TURLLabel::SetURL, DefaultWebURL)
            .Prop("URLAsHint", &TURLLabel::GetURLAsHint, &TURLLabel::SetURLAsHint, true)
            .Prop("ShowPrefix", &TURLLabel::GetShowPrefix, &TURLLabel::SetShowPrefix, true)
            .Prop("LabelType", &TURLLabel::GetLabelType, &TURLLabel::SetLabelType, TLabelType::Auto)
            .Prop("LinkType", &TURLLabel::GetLinkType, &TURLLabel::SetLinkType, ltHTTP)
            .Prop("Alignment", &TCustomLabel::GetAlignment, &TCustomLabel::SetAlignment,
                  taLeftJustify)
            .Prop("AutoSize", &TCustomLabel::GetAutoSize, &TCustomLabel::SetAutoSize, true)
            .Prop("Transparent", &TCustomLabel::GetTransparent, &TCustomLabel::SetTransparent,
                  false)
            .Prop("WordWrap", &TCustomLabel::GetWordWrap, &TCustomLabel::SetWordWrap, false)
            .Info();
    result.AddProperty(ReadingHintProperty());
    return result;
  }();
  return info;
}
FW_REGISTER_CLASS(TURLLabel);

TURLLabel::TURLLabel(TComponent* AOwner)
    : TCustomLabel(AOwner),
      FLinkFont(std::make_unique<TFont>()),
      FPassiveFont(std::make_unique<TFont>()) {
  CheckHandler();
  SetCursor(crHandPoint);
  FLinkFont->Assign(*GetFont());
  FLinkFont->SetColor(kLinkColor);
  FLinkFont->SetStyle(FLinkFont->GetStyle().Include(fsUnderline));
  FPassiveFont->Assign(*GetFont());
  FLinkFont->OnChange = TNotifyEvent(this, &TURLLabel::OwnedFontChanged);
  FPassiveFont->OnChange = TNotifyEvent(this, &TURLLabel::OwnedFontChanged);
  FLinkType = ltHTTP;
  FShowPrefix = true;
  SetURL(std::string(kVendorWebAddress));
  UseFont(FLabelType == TLabelType::Active ? *FLinkFont : *FPassiveFont);
  SetShowAccelChar(false);
  SetURLAsHint(true);
}

void TURLLabel::SetLinkFont(const TFont& Value) {
  FLinkFont->Assign(Value);
}

void TURLLabel::SetPassiveFont(const TFont& Value) {
  FPassiveFont->Assign(Value);
}

void TURLLabel::SetURL(const std::string& Value) {
  if (Value == FURL) return;
  if (Value.find('@') != std::string::npos) FLinkType = ltMailTo;
  if (StartsWithIgnoringCase(Value, "mailto:") || StartsWithIgnoringCase(Value, "http://"))
    FURL = Value.substr(7);
  else
    FURL = Value;
  UpdateDisplayText();
}

void TURLLabel::SetShowPrefix(bool Value) {
  FShowPrefix = Value;
  UpdateDisplayText();
}

void TURLLabel::SetURLAsHint(bool Value) {
  if (Value == FURLAsHint) return;
  FURLAsHint = Value;
  // Switching off takes away the address shown as hint, but not a hint
  // written in its place.
  if (!Value && TControl::GetHint() == FDisplayText) TControl::SetHint(std::string());
  UpdateHint();
}

void TURLLabel::SetLabelType(TLabelType Value) {
  if (Value == FLabelType) return;
  FLabelType = Value;
  UseFont(Value == TLabelType::Active ? *FLinkFont : *FPassiveFont);
}

void TURLLabel::SetLinkType(TLinkType Value) {
  if (Value == FLinkType) return;
  FLinkType = Value;
  CheckHandler();
  if (Value == ltHTTP && FURL == DefaultMailURL)
    FURL = DefaultWebURL;
  else if (Value == ltMailTo && FURL == DefaultWebURL)
    FURL = DefaultMailURL;
  UpdateDisplayText();
}

void TURLLabel::SetCaption(const std::string& Value) {
  FCaptionFixed = true;
  SetText(Value);
}

std::string TURLLabel::GetHint() {
  FURLAsHint = false;
  return TControl::GetHint();
}

// An address typed with its own scheme prefix does not get it twice.
std::string TURLLabel::Target() const {
  const std::string prefix = LinkPrefix(FLinkType);
  if (StartsWithIgnoringCase(FURL, prefix)) return FURL;
  return prefix + FURL;
}

void TURLLabel::UpdateDisplayText() {
  FDisplayText = FShowPrefix ? Target() : FURL;
  if (!FCaptionFixed) SetText(FDisplayText);
  UpdateHint();
}

// With URLAsHint off the hint is left as it is: it may have been written.
void TURLLabel::UpdateHint() {
  if (FURLAsHint) TControl::SetHint(FDisplayText);
}

void TURLLabel::CheckHandler() {
  if (FLinkType == ltHTTP)
    FHandlerAvailable = HasWebPageHandler();
  else if (FLinkType == ltMailTo)
    FHandlerAvailable = HasMailHandler();
}

void TURLLabel::UseFont(const TFont& Font) {
  GetFont()->Assign(Font);
}

bool TURLLabel::OpensOnClick() const {
  switch (FLabelType) {
    case TLabelType::Active:
      return true;
    case TLabelType::Auto:
      return FHandlerAvailable;
    case TLabelType::Passive:
      break;
  }
  return false;
}

void TURLLabel::Click() {
  TCustomLabel::Click();
  if (FLinkType == ltNone || !OpensOnClick()) return;
  ShellOpen(Target());
}

void TURLLabel::Loaded() {
  TCustomLabel::Loaded();
  if (!ComponentState().Contains(csDesigning) && FLabelType == TLabelType::Auto)
    UseFont(*FPassiveFont);
}

void TURLLabel::WndProc(TMessage& Message) {
  if (FLabelType == TLabelType::Auto) {
    if (Message.Msg == CM_MOUSEENTER) UseFont(*FLinkFont);
    if (Message.Msg == CM_MOUSELEAVE) UseFont(*FPassiveFont);
  }
  TCustomLabel::WndProc(Message);
}
