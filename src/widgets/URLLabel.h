#pragma once
// A label that acts as a hyperlink: it shows an address, switches to its
// link font while the mouse is over it, and on a click asks the shell to
// open the address with the handler registered for its scheme.

#include <memory>
#include <string>

#include "toolkit/CustomLabel.h"

// Font and opening policy: Auto shows the link font while the mouse is over
// the label and opens only when a handler for the scheme was found; Active
// always shows the link font and always opens; Passive never does either.
enum class TLabelType : int { Auto, Passive, Active };
inline const TEnumInfo& EnumInfoTable(const TLabelType*) {
  static const TEnumInfo info("TLabelType", "Auto, Passive, Active");
  return info;
}

FW_ENUM(TLinkType, ltFile, ltFTP, ltGopher, ltHTTP, ltMailTo, ltNews, ltTelNet, ltNone)

// The scheme prefix of a link type ("http://", "mailto:"...); empty for
// ltNone.
std::string LinkPrefix(TLinkType Type);

class TURLLabel : public TCustomLabel {
  FW_CLASS(TURLLabel)
 public:
  // The addresses a new label starts with, as stored in URL (without
  // scheme prefix).
  static const std::string DefaultWebURL;
  static const std::string DefaultMailURL;

  explicit TURLLabel(TComponent* AOwner);

  TFont* GetLinkFont() const { return FLinkFont.get(); }
  void SetLinkFont(const TFont& Value);
  TFont* GetPassiveFont() const { return FPassiveFont.get(); }
  void SetPassiveFont(const TFont& Value);

  std::string GetURL() const { return FURL; }
  void SetURL(const std::string& Value);
  bool GetShowPrefix() const { return FShowPrefix; }
  void SetShowPrefix(bool Value);
  bool GetURLAsHint() const { return FURLAsHint; }
  void SetURLAsHint(bool Value);
  TLabelType GetLabelType() const { return FLabelType; }
  void SetLabelType(TLabelType Value);
  TLinkType GetLinkType() const { return FLinkType; }
  void SetLinkType(TLinkType Value);

  // Assigning the caption fixes it: the address no longer replaces it.
  std::string GetCaption() const { return GetText(); }
  void SetCaption(const std::string& Value);
  bool CaptionFixed() const { return FCaptionFixed; }
  // Reading the hint turns URLAsHint off.
  std::string GetHint();
  // Prefix and address, as shown when ShowPrefix is on.
  std::string DisplayText() const { return FDisplayText; }
  // The address a click opens: the scheme prefix followed by URL.
  std::string Target() const;
  bool HandlerAvailable() const { return FHandlerAvailable; }

  void Loaded() override;

 protected:
  void WndProc(TMessage& Message) override;
  void Click() override;

 private:
  void UpdateDisplayText();
  void UpdateHint();
  void CheckHandler();
  void UseFont(const TFont& Font);
  void OwnedFontChanged(TObject*) { Invalidate(); }
  bool OpensOnClick() const;

  std::unique_ptr<TFont> FLinkFont;
  std::unique_ptr<TFont> FPassiveFont;
  std::string FURL;
  std::string FDisplayText;
  bool FCaptionFixed = false;
  bool FShowPrefix = false;
  TLabelType FLabelType = TLabelType::Auto;
  TLinkType FLinkType = ltFile;
  bool FHandlerAvailable = false;
  bool FURLAsHint = false;
};
