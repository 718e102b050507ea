#pragma once
// The settings of one of a data grid's scroll bars: whether it shows
// (always, never, when needed), whether the grid scrolls while the thumb
// is dragged, and an external scroll bar that stands in for the window's
// own. The grid hears of a change through OnChange.
#include <functional>

#include "dbgrid/engine/gridtypes.h"
#include "platform/rtl/persistent.h"
#include "platform/rtl/typeinfo.h"
#include "platform/ui/componentref.h"
#include "platform/ui/stdctrls.h"

class TCustomGridLt;

enum TScrollBarVisibleModeLt { sbAlwaysShowLt, sbNeverShowLt, sbAutoShowLt };
LT_ENUM_INFO(TScrollBarVisibleModeLt, sbAlwaysShowLt, sbNeverShowLt, sbAutoShowLt)

class TDBGridLtScrollBar : public TPersistent {
    LT_CLASS(TDBGridLtScrollBar)
public:
    // Grid: whose bar of this Kind it is (nullptr: settings alone).
    explicit TDBGridLtScrollBar(TCustomGridLt* Grid = nullptr, TScrollBarKind Kind = sbHorizontal);
    ~TDBGridLtScrollBar() override;
    // Copies Visible, Tracking and ExtScrollBar.
    void Assign(const TPersistent* Source) override;

    TCustomGridLt* Grid() const { return FGrid; }
    TScrollBarKind Kind() const { return FKind; }
    TScrollBarVisibleModeLt VisibleMode() const { return FVisibleMode; }
    void SetVisibleMode(TScrollBarVisibleModeLt Value);
    // Visible unless never shown; True asks for sbAutoShowLt, False for
    // sbNeverShowLt.
    bool Visible() const { return FVisibleMode != sbNeverShowLt; }
    void SetVisible(bool Value) { SetVisibleMode(Value ? sbAutoShowLt : sbNeverShowLt); }
    bool Tracking() const { return FTracking; }
    void SetTracking(bool Value) { FTracking = Value; }
    // A scroll bar elsewhere on the form that takes the place of the
    // window's bar: its gestures scroll the grid, the grid sets its range.
    // A grid's settings refuse a bar another control took over already;
    // settings without a grid only name the bar.
    TScrollBar* ExtScrollBar() const { return FExtScrollBar.Get(); }
    void SetExtScrollBar(TScrollBar* Value);

    // Whether the bar shows: the external bar's Visible, else Visible and
    // the window's bar of this kind shown.
    bool BarShown() const;
    // Range, page and position of the external bar, else of the window's.
    TScrollBarStateLt ReadScrollInfo() const;

    const std::function<void()>& OnChange() const { return FOnChange; }
    void SetOnChange(std::function<void()> Value) { FOnChange = std::move(Value); }

private:
    bool Designing() const;
    void Changed();
    TScrollBar* WindowBar() const;

    TCustomGridLt* FGrid;
    TScrollBarKind FKind;
    TScrollBarVisibleModeLt FVisibleMode = sbAutoShowLt;
    bool FTracking = false;
    TComponentRef<TScrollBar> FExtScrollBar;
    bool FHooked = false;   // the external bar's gestures come to the grid
    std::function<void()> FOnChange;
};

// The vertical bar, which publishes its VisibleMode.
class TVertDBGridLtScrollBar : public TDBGridLtScrollBar {
    LT_CLASS(TVertDBGridLtScrollBar)
public:
    explicit TVertDBGridLtScrollBar(TCustomGridLt* Grid = nullptr) : TDBGridLtScrollBar(Grid, sbVertical) {}
};
