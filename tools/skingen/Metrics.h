// Sizes and positions shared by the images and the definition text, so that
// the text always describes the images as they are drawn.
#pragma once

namespace Metrics {

// Window frame.
constexpr int BorderWidth = 4;   // left, right and bottom borders
constexpr int TitleHeight = 30;  // the top border is the title bar
constexpr int CornerRadius = 8;  // top corners, cut out with the key colour
constexpr int FrameMiddle = 8;   // repeatable middle of the side borders
constexpr int TopWidth = 60;     // width of a top-border frame
constexpr int TopCap = 8;        // fixed ends of the top border (hold the corners)

// Caption text.
constexpr int TextShift = 22;
constexpr int TextRightClip = 104;

// Title buttons: measured from the right window edge, as the engine lays them out.
constexpr int TitleButtonWidth = 28;
constexpr int TitleButtonHeight = 20;
constexpr int TitleButtonTop = 5;
constexpr int TitleButtonGap = 2;
constexpr int CloseX = BorderWidth + 4 + TitleButtonWidth;
constexpr int MaximizeX = CloseX + TitleButtonGap + TitleButtonWidth;
constexpr int MinimizeX = MaximizeX + TitleButtonGap + TitleButtonWidth;
constexpr int IconX = 10;
constexpr int IconY = 7;
constexpr int IconSize = 16;
constexpr int MdiButtonWidth = 16;
constexpr int MdiButtonHeight = 14;

// Controls.
constexpr int ScrollBreadth = 17;  // the system's scroll-bar arrow size
constexpr int ComboButtonWidth = ScrollBreadth + 2;
constexpr int ComboHeight = 21;
constexpr int MenuBarHeight = 19;
constexpr int CheckSize = 13;

}  // namespace Metrics
