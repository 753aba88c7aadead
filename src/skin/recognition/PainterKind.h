#pragma once
// The kinds of control painter the recognition rules can choose. Each kind
// is one painter class; PainterFactory turns a kind into a painter.

enum class TPainterKind {
  pkButton,       // TSkinButton
  pkBitButton,    // TSkinBitButton (variant 1: the glyph is "PngImage")
  pkSpeedButton,  // TSkinSpeedButton (windowless)
  pkMenuButton,   // TSkinMenuButton
  pkMediaPlayer,  // TSkinMP
  pkCheckBox,     // TSkinCheckBox
  pkRadioButton,  // TSkinRadioButton
  pkGroupBox,     // TSkinGroupBox
  pkBox,          // TSkinBox
  pkBoxH,         // TSkinBoxH (a bare panel-like window)
  pkObjImage,     // TSkinObjImage (variant: 1 check box, 2 radio button, 3 other)
  pkTab,          // TSkinTab (variant: its mode; 2 a plain tab control)
  pkTabBtn,       // TSkinTabBtn
  pkTab31,        // TSkinTab31
  pkTabSheet,     // TSkinTabSheet
  pkAdvPage,      // TSkinAdvPage (variant: its page mode)
  pkHeader,       // TSkinHeader
  pkTrackBar,     // TSkinTrackBar
  pkUpDown,       // TSkinUpDown
  pkStatusBar,    // TSkinStatusBar
  pkProgress,     // TSkinProgress
  pkComBox,       // TSkinComBox
  pkEdit,         // TSkinEdit
  pkDateTime,     // TSkinDateTime
  pkScrollbar,    // TSkinScrollbar (variant 1: single mode, no border)
  pkListView,     // TSkinListView
  pkScControl,    // TSkinScControl (a stand-alone scroll bar)
  pkSizer,        // TSkinSizer (a size grip)
  pkScrollbarH,   // TSkinScrollbarH (the bars of a bare window)
  pkCount
};
