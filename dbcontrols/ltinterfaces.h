#pragma once
// The contracts between the edit controls, their popups, the data grid and
// datasets. Each interface knows its GUID as IID.
#include <string>

#include "platform/data/dataset.h"
#include "platform/rtl/interfaces.h"
#include "platform/rtl/rects.h"
#include "platform/rtl/variant.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "platform/ui/messages.h"

class TFont;
class TStrings;
class TWinControl;

// What an edit control placed inside another control (a grid cell) asks of
// its holder. Every operation but GetLastMouseDown names the editor.
class IInplaceEditHolderLt : public IUnknown {
public:
    static constexpr TGUID IID{0x4BE708F1, 0x4EA2, 0x4AC7, {0xBA, 0x64, 0x89, 0xD7, 0xD2, 0xB8, 0x3E, 0x09}};

    // False makes an otherwise editable editor read-only.
    virtual bool AllowEditorModify(TWinControl* Editor) = 0;
    // The screen position and time (ms) of the last left press on the
    // holder; a press is reported once.
    virtual void GetLastMouseDown(TPoint& ScreenPos, int& Time) = 0;
    // First look at every message of the editor: a non-zero Result stops
    // the editor from handling it.
    virtual void EditorMessage(TWinControl* Editor, TMessage& Message) = 0;
    // The editor's key events before its own handling; Key set to 0 stops it.
    virtual void EditorKeyDown(TWinControl* Editor, unsigned& Key, TShiftState Shift) = 0;
    virtual void EditorKeyPress(TWinControl* Editor, char32_t& Key) = 0;
    virtual void EditorKeyUp(TWinControl* Editor, unsigned& Key, TShiftState Shift) = 0;
};

// How a holder configures an editor it did not create.
class IInplaceEditorLt : public IUnknown {
public:
    static constexpr TGUID IID{0x81F0C558, 0xB001, 0x4477, {0xBA, 0xA6, 0x2D, 0xC3, 0x73, 0xFC, 0xDF, 0x88}};

    virtual TFont* GetFont() = 0;
    virtual void SetInplaceEditHolder(TWinControl* Holder) = 0;
    virtual void SetBorderStyle(TFormBorderStyle Value) = 0;
    virtual void SetFont(TFont* Value) = 0;
    virtual void SetColor(TColor Value) = 0;
    virtual void SetOnKeyPress(TKeyPressEvent Value) = 0;
    virtual void SetOnExit(TNotifyEvent Value) = 0;
};

// A popup asks its owner to close it, keeping (Accept) or discarding the
// choice.
class IPopupOwnerLt : public IUnknown {
public:
    static constexpr TGUID IID{0xB64255B5, 0x386A, 0x4524, {0x8B, 0xC7, 0x7F, 0x49, 0xDD, 0xB4, 0x10, 0xF4}};

    virtual void CloseUp(bool Accept) = 0;
};

// An editor and a popup that edits its value.
class IPopupValueEditorLt : public IUnknown {
public:
    static constexpr TGUID IID{0x697F81AD, 0x0E0F, 0x4A4A, {0xA0, 0x16, 0xA7, 0x13, 0x62, 0x06, 0x60, 0xDE}};

    // True when Enter would accept the value rather than compute.
    virtual bool EnterClosesPopup() = 0;
    virtual bool GetFlat() = 0;
    // An error variant while the popup shows an error.
    virtual Variant GetValue() = 0;
    virtual void SetFlat(bool Value) = 0;
    virtual void SetValue(const Variant& Value) = 0;
};

// An in-memory table's own services, asked of a bound dataset. No dataset of
// ours implements it; callers fall back to their plain dataset paths.
class IMemTableLt : public IUnknown {
public:
    static constexpr TGUID IID{0xA8C3C87A, 0xE556, 0x4BDB, {0xB8, 0xA7, 0x5B, 0x33, 0x49, 0x7D, 0x16, 0x24}};

    virtual int GetInstantReadCurRow() = 0;
    virtual void InstantReadEnter(int RowNum) = 0;
    virtual void InstantReadLeave() = 0;
    virtual bool InstantReadIndexOfBookmark(const std::string& Bookmark, int& RowNum) = 0;
    virtual int InstantReadRowCount() = 0;
    virtual void InstantReadPositionChanged() = 0;
    virtual bool GetTreeViewModeActive() = 0;
    virtual bool GetRowNodeExpanded(int RowNum) = 0;
    virtual void SetRowNodeExpanded(int RowNum, bool Expanded) = 0;
    virtual int GetRowNodeLevel(int RowNum) = 0;
    virtual bool GetRowNodeHasChildren(int RowNum) = 0;
    virtual bool GetRowNodeHasVisibleChildren(int RowNum) = 0;
    virtual bool GetRowNodeIsLast(int RowNum) = 0;
    virtual int GetRowNodeParentRow(int RowNum) = 0;
    virtual bool GetRowNodeFirstVisible(int RowNum) = 0;
    virtual void ExpandAllNodes() = 0;
    virtual void CollapseAllNodes() = 0;
    virtual bool LocateAndExpand(const std::string& KeyFields, const Variant& KeyValues) = 0;
    virtual TDataSet* GetDataSet() = 0;
};

// The distinct values of one field as sorted strings.
class IMemTableDataFieldValueListLt : public IUnknown {
public:
    static constexpr TGUID IID{0x28F8194C, 0x5FF3, 0x42C4, {0x87, 0xA6, 0x8B, 0x3E, 0x06, 0x21, 0x0F, 0xA6}};

    virtual TStrings* ValueStrings() = 0;
};
