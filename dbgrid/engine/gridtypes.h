#pragma once
// The grid engine's shared types: cell coordinates and rectangles, the
// engine options, the mouse states, the drawing state of a cell, and the
// engine's exception.
#include "platform/rtl/exceptions.h"
#include "platform/rtl/typeinfo.h"

// Every misuse of the grid engine.
LT_DECLARE_EXCEPTION(EInvalidGridOperationLt, Exception)

// A cell: column first.
struct TGridCoordLt {
    int X = 0;
    int Y = 0;
    bool operator==(const TGridCoordLt&) const = default;
};

// Cells from (Left, Top) to (Right, Bottom), all four sides inclusive.
struct TGridRectLt {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TGridRectLt&) const = default;
};

// What a window scroll bar shows: its range, page and position, whether it
// shows and whether its arrows work.
struct TScrollBarStateLt {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Position = 0;
    bool Shown = false;
    bool Enabled = true;
};

// The engine options, bit 0 first.
enum TGridOptionLt {
    goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected, goRowSizing,
    goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect, goAlwaysShowEditor, goThumbTracking
};
LT_ENUM_INFO(TGridOptionLt, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
             goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
             goAlwaysShowEditor, goThumbTracking)
using TGridOptionsLt = TSet<TGridOptionLt>;

// The mouse operation under way.
enum TGridStateLt { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };
LT_ENUM_INFO(TGridStateLt, gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving)

// How a cell is drawn.
enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
LT_ENUM_INFO(TGridDrawStateItem, gdSelected, gdFocused, gdFixed)
using TGridDrawState = TSet<TGridDrawStateItem>;

// Which window scroll bars the grid shows.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
LT_ENUM_INFO(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)
