#pragma once
// A list of rows of one height that the control paints itself. Owner-drawn
// styles paint each row through DrawItem (OnDrawItem); virtual styles keep
// no strings but a Count and take each row's text from OnData. A frame
// (single or 3D) may surround the client area, and a vertical scroll bar
// shows at the right while there are more rows than fit, unless switched
// off. The keyboard moves the selection; a press selects the row under the
// pointer, the wheel scrolls.
#include <functional>
#include <memory>
#include <string>

#include "platform/rtl/stringlist.h"
#include "platform/ui/controls.h"

class TScrollBar;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };
LT_ENUM_INFO(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw)

enum TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight,
                           odInactive, odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit };
LT_ENUM_INFO(TOwnerDrawStateItem, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight,
             odInactive, odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit)
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

// The frame around the client area: none, one dark line, or a raised or
// sunken 3D edge two pixels wide.
enum TListBoxFrame { lfNone, lfSingle, lfRaised, lfSunken };

using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;
using TLBGetDataEvent = std::function<void(TWinControl* Control, int Index, std::string& Data)>;

class TCustomListBox : public TCustomControl {
    LT_CLASS(TCustomListBox)
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings* Value) { FItems->Assign(Value); }
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle Value);
    bool IsVirtual() const { return FStyle == lbVirtual || FStyle == lbVirtualOwnerDraw; }
    // The rows: the items, or the count given to a virtual list.
    int Count() const;
    void SetCount(int Value);
    std::string ItemText(int Index) const;
    // 0: the height of the font's text.
    int ItemHeight() const;
    void SetItemHeight(int Value);
    // -1: none.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    int TopIndex() const { return FTopIndex; }
    void SetTopIndex(int Value);
    // Whole rows that fit in the client area.
    int VisibleRowCount() const;
    // The row at Pos (client coordinates); with Existing, -1 below the last
    // row, else the count.
    int ItemAtPos(const TPoint& Pos, bool Existing) const;
    TRect ItemRect(int Index) const;
    // Selects the first row whose text starts with Prefix, case ignored;
    // returns it, or -1 (selection unchanged) when none does.
    int SelectString(const std::string& Prefix);

    TListBoxFrame Frame() const { return FFrame; }
    void SetFrame(TListBoxFrame Value);
    int FrameWidth() const;
    // Whether the list shows its own scroll bar when the rows do not fit.
    bool AutoScrollBar() const { return FAutoScrollBar; }
    void SetAutoScrollBar(bool Value);
    // Rows show as the focused list shows them, focused or not.
    bool DrawFocused() const { return FDrawFocused; }
    void SetDrawFocused(bool Value);

    TRect ClientRect() const override;
    void Dispatch(TMessage& Message) override;

    const TDrawItemEvent& OnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(TDrawItemEvent Value) { FOnDrawItem = std::move(Value); }
    const TLBGetDataEvent& OnData() const { return FOnData; }
    void SetOnData(TLBGetDataEvent Value) { FOnData = std::move(Value); }
    const TNotifyEvent& OnScroll() const { return FOnScroll; }
    void SetOnScroll(TNotifyEvent Value) { FOnScroll = std::move(Value); }

protected:
    // Paints one row; the default fills it and writes its text, in the
    // highlight colours when selected, with a focus rectangle when focused.
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
    // The text of a row of a virtual list.
    virtual void DoGetData(int Index, std::string& Data) const;
    // The top row changed.
    virtual void Scrolled();
    // The rows changed (count, items or height).
    virtual void RowsChanged();
    void Paint() override;
    void Resize() override;
    void FontChanged() override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    // A wheel turn: Delta > 0 is away from the user. Scrolls one row per notch.
    virtual void MouseWheel(int Delta);

private:
    void UpdateScrollBar();
    void ClampTopIndex();
    void MakeVisible(int Index);
    void PaintFrame();

    std::unique_ptr<TStringList> FItems;
    TListBoxStyle FStyle = lbStandard;
    int FCount = 0;
    int FItemHeight = 0;
    int FItemIndex = -1;
    int FTopIndex = 0;
    TListBoxFrame FFrame = lfSunken;
    bool FAutoScrollBar = true;
    bool FDrawFocused = false;
    bool FUpdatingScrollBar = false;
    TScrollBar* FScrollBar = nullptr;   // owned as a child control
    TDrawItemEvent FOnDrawItem;
    TLBGetDataEvent FOnData;
    TNotifyEvent FOnScroll;
};
