// File names of the skin's images and of the program's own bitmaps.
#pragma once

namespace Files {

constexpr const char* Definition = "skin.ini";

constexpr const char* FrameLeft = "frame_left.bmp";
constexpr const char* FrameRight = "frame_right.bmp";
constexpr const char* FrameTop = "frame_top.bmp";
constexpr const char* FrameBottom = "frame_bottom.bmp";
constexpr const char* TextBack = "title_textback.bmp";
constexpr const char* MenuBar = "menubar.bmp";
constexpr const char* TitleClose = "title_close.bmp";
constexpr const char* TitleMaximize = "title_maximize.bmp";
constexpr const char* TitleRestore = "title_restore.bmp";
constexpr const char* TitleMinimize = "title_minimize.bmp";
constexpr const char* TitleHelp = "title_help.bmp";
constexpr const char* TitleIcon = "title_icon.bmp";
constexpr const char* MdiControls = "mdi_controls.bmp";
constexpr const char* Button = "button.bmp";
constexpr const char* Check = "check.bmp";
constexpr const char* Radio = "radio.bmp";
constexpr const char* Progress = "progress.bmp";
constexpr const char* ProgressChunk = "progress_chunk.bmp";
constexpr const char* GroupBoxEdge = "groupbox_edge.bmp";
constexpr const char* GroupBox = "groupbox_label.bmp";
constexpr const char* Tabs = "tabs.bmp";
constexpr const char* TabsBorder = "tabs_border.bmp";
constexpr const char* TabPane = "tab_pane.bmp";
constexpr const char* StatusBarEdges = "statusbar_edges.bmp";
constexpr const char* ToolBars = "toolbar_buttons.bmp";
constexpr const char* ComboButton = "combo_button.bmp";
constexpr const char* SunkEdge = "sunken_edge.bmp";
constexpr const char* ExtraImages = "extra_arrows.bmp";
constexpr const char* Headerbar = "header.bmp";
constexpr const char* MenuItem = "menu_item.bmp";
constexpr const char* MenuBackground = "menu_background.bmp";
constexpr const char* ScrollButtons = "scroll_buttons.bmp";
constexpr const char* ScrollShaftHorz = "scroll_shaft_horz.bmp";
constexpr const char* ScrollShaftVert = "scroll_shaft_vert.bmp";
constexpr const char* ScrollThumbHorz = "scroll_thumb_horz.bmp";
constexpr const char* ScrollThumbVert = "scroll_thumb_vert.bmp";
constexpr const char* ThumbHorz = "trackbar_thumb_horz.bmp";
constexpr const char* ThumbVert = "trackbar_thumb_vert.bmp";
constexpr const char* ThumbLeft = "trackbar_thumb_left.bmp";
constexpr const char* ThumbRight = "trackbar_thumb_right.bmp";
constexpr const char* ThumbUp = "trackbar_thumb_up.bmp";
constexpr const char* ThumbDown = "trackbar_thumb_down.bmp";
constexpr const char* UpDownHorz = "updown_horz.bmp";
constexpr const char* UpDownHorzGlyphs = "updown_horz_glyphs.bmp";
constexpr const char* UpDownVert = "updown_vert.bmp";
constexpr const char* UpDownVertGlyphs = "updown_vert_glyphs.bmp";
constexpr const char* Track = "track.bmp";
constexpr const char* TrackVert = "trackvert.bmp";

}  // namespace Files
