#include "skin/recognition/ThirdPartyRules.h"

#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"

namespace {

using enum TThirdPartyAction;
using enum TPainterKind;

// Kind, option, needs the Tabs element, action, painter, variant,
// background.
const TThirdPartyKind kThirdPartyKinds[] = {
    {"nil", kAnyOption, false, taNothing, pkCount, 0, false},
    {"combobox", xcCombo, false, taPainter, pkComBox, 0, false},
    {"edit", xcEdit, false, taEditWithBorder, pkEdit, 0, false},
    {"radiobutton", xcRadioButton, false, taPainter, pkRadioButton, 0, false},
    {"panel", xcPanel, false, taTransparentPainter, pkBox, 0, true},
    {"trackbar", xcButton, false, taTransparentPainter, pkTrackBar, 0, false},
    {"button", xcButton, false, taPainter, pkButton, 0, false},
    {"datetimepicker", xcCombo, false, taPainter, pkDateTime, 0, false},
    {"mediaplayer", xcButton, false, taPainter, pkMediaPlayer, 0, false},
    {"bitbtn", xcButton, false, taBitButton, pkBitButton, 0, false},
    {"pngbitbtn", xcButton, false, taPainter, pkBitButton, 1, false},
    {"menubtn", xcButton, false, taPainter, pkMenuButton, 0, false},
    {"speedbutton", xcSpeedButton, false, taPainter, pkSpeedButton, 0, false},
    {"tab", xcTab, true, taPainter, pkTab, 0, false},
    {"progress", xcProgress, false, taPainter, pkProgress, 0, false},
    {"scrollbar", xcScrollbar, false, taPainterThenChildren, pkScrollbar, 0, false},
    {"singlescrollbar", xcScrollbar, false, taPainter, pkScrollbar, 1, false},
    {"embedscrollbar", xcScrollbar, false, taEmbeddedScrollBars, pkCount, 0, false},
    {"container", kAnyOption, false, taContainer, pkCount, 0, false},
    {"groupbox", xcGroupBox, false, taPainter, pkGroupBox, 0, true},
    {"advpagecontrol", xcTab, false, taPainter, pkAdvPage, 4, true},
    {"radiogroup", xcGroupBox, false, taRadioGroup, pkGroupBox, 0, true},
    {"checkgroup", xcPanel, false, taCheckGroup, pkGroupBox, 0, true},
    {"checkbox", xcCheckBox, false, taPainter, pkCheckBox, 0, false},
};

constexpr size_t kMaxKindLength = 50;

}  // namespace

std::optional<std::string> FindSkin3rdKind(const std::vector<std::string>& Lines,
                                           std::string_view ClassName) {
  const std::string key = LowerAscii(std::string(ClassName)) + "=";
  for (const std::string& line : Lines) {
    const std::string lower = LowerAscii(line);
    if (lower.compare(0, key.size(), key) != 0) continue;
    return lower.substr(lower.find('=') + 1, kMaxKindLength);
  }
  return std::nullopt;
}

const TThirdPartyKind* FindThirdPartyKind(std::string_view Kind) {
  for (const TThirdPartyKind& kind : kThirdPartyKinds)
    if (Kind == kind.Name) return &kind;
  return nullptr;
}
