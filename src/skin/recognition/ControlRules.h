#pragma once
// The class table by which a toolkit control is given its painter: each
// row a class test, a condition on the skin data's options and what the
// row does. The first row whose class test and condition hold applies; a
// row whose class matches but whose condition fails lets the later rows
// try, unless it stops.

#include <string>
#include <string_view>

#include "skin/recognition/PainterKind.h"

class TControl;
class TSkinData;

enum class TClassTest {
  ctIsA,             // the control's class is, or derives from, Names
  ctNamed,           // the upper-case class name is one of Names ("A|B")
  ctOwnScrollBars,   // the control has scroll bars of its own
};

enum class TRuleAction {
  raPainter,               // the row's painter
  raTabControl,            // a tab painter chosen by the control's class and style
  raToolButtonMenu,        // no painter; the button's menu item draws its sub-items
  raCoolBarBands,          // no painter; every band takes the skin's face colour
  raChildrenOnly,          // no painter; the children are recognised
  raRadioGroup,            // each child a radio-button painter, then the group's
  raPainterThenEachChild,  // the painter, then each child through the rules
  raChildrenThenPainter,   // the children are recognised, then the painter
  raToolBar,               // flat, the skin's tool-bar handlers, a box painter
  raDateTimePicker,        // an edit or a date-time painter by the picker's mode
  raNumButtonsEdit,        // a combo or an edit painter by "NumButtons"
  raOwnedComponents,       // no painter; the owned components are recognised
  raPainterThenOwned,      // the painter, then the owned components
};

// No option needed.
constexpr int kAnyOption = -1;

struct TControlRule {
  int Number;
  TClassTest Test;
  const char* Names;
  int Option;  // a TSkinControlType, or kAnyOption
  bool NeedsTabs;
  // A matching class whose condition fails ends the search.
  bool StopWhenNotMet;
  TRuleAction Action;
  TPainterKind Kind;
  bool Background;
  // The painter's class-specific variant.
  int Variant = 0;
};

// Whether the row's class test holds for the control.
bool ClassTestHolds(const TControlRule& Rule, const TControl& Control,
                    std::string_view UpperClassName);
// Whether Option (a TSkinControlType, or kAnyOption) is in the skin data's
// SkinControls.
bool HasOption(const TSkinData& Data, int Option);
// Whether the row's condition holds with these skin data.
bool ConditionHolds(const TControlRule& Rule, const TSkinData& Data);
// The row that applies to the control; null when none does (or when a
// stopping row's condition fails).
const TControlRule* MatchControlRule(const TControl& Control, const TSkinData& Data);

// A windowed control whose style has a scroll bar, or a list box, memo,
// tree view or scroll box.
bool HasOwnScrollBars(const TControl& Control);
// The class name in upper case.
std::string UpperClassName(const TControl& Control);
