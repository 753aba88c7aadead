#pragma once
// Enumerations and event types shared by the controls.

#include <windows.h>

#include <optional>
#include <string_view>

#include "toolkit/portable/EnumInfo.h"
#include "toolkit/portable/Event.h"

class TObject;
struct TMessage;

FW_ENUM(TShiftStateFlag, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateFlag>;
FW_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
FW_ENUM(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly)
FW_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
// Where a control keeps itself inside its parent's client area.
FW_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)

using TWndMethod = TEvent<TMessage&>;
using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TContextPopupEvent = TEvent<TObject*, POINT, bool&>;

// Cursors: the stock cursors by negative number, crDefault for "the
// window class's own".
constexpr int crDefault = 0;
constexpr int crArrow = -2;
constexpr int crIBeam = -4;
constexpr int crHourGlass = -11;
// The arrow with a small hourglass: working, and still answering.
constexpr int crAppStart = -19;
constexpr int crHandPoint = -21;
std::optional<int> CursorFromIdent(std::string_view Ident);
HCURSOR CursorHandle(int Cursor);

// Shift state from the keyboard now, or from the key flags of a mouse message.
TShiftState KeyboardShiftState();
TShiftState KeysToShiftState(WPARAM Keys);
