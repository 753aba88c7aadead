#pragma once
// The skin data's Skin3rd list: lines "ClassName=kind" that tell the engine
// how to skin classes of other component libraries, and the table of the
// kinds such a line may name.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/recognition/ControlRules.h"

enum class TThirdPartyAction {
  taNothing,             // "nil", and kinds not in the table
  taPainter,             // the kind's painter
  taEditWithBorder,      // the edit painter, only for an edit with a border
  taTransparentPainter,  // "Transparent" set to "True", then the painter
  taBitButton,           // a drop-down button's menu-button painter, else a glyph button's
  taPainterThenChildren, // the painter, then the children are recognised
  taEmbeddedScrollBars,  // the children's scroll bars get painters
  taContainer,           // the children are recognised
  taRadioGroup,          // each child a radio painter, then the group's
  taCheckGroup,          // each child a check painter, then the group's
};

struct TThirdPartyKind {
  const char* Name;  // lower case
  int Option;        // a TSkinControlType, or kAnyOption
  bool NeedsTabs;
  TThirdPartyAction Action;
  TPainterKind Kind;
  int Variant;
  bool Background;
};

// The kind named by the first line of Lines that begins, ignoring case,
// with the class name followed by "=": the text after that line's first
// "=", lower-cased and at most 50 characters. Nothing when no line matches.
std::optional<std::string> FindSkin3rdKind(const std::vector<std::string>& Lines,
                                           std::string_view ClassName);
// The table row of a kind; null for a kind the table does not know.
const TThirdPartyKind* FindThirdPartyKind(std::string_view Kind);
