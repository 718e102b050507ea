#pragma once
// The settings of one of a data grid's scroll bars: whether it shows
// (always, never, when needed) and whether the grid scrolls while the thumb
// is dragged. The grid hears of a change of visibility through OnChange.
#include <functional>

#include "platform/rtl/persistent.h"
#include "platform/rtl/typeinfo.h"

enum TScrollBarVisibleModeLt { sbAlwaysShowLt, sbNeverShowLt, sbAutoShowLt };
LT_ENUM_INFO(TScrollBarVisibleModeLt, sbAlwaysShowLt, sbNeverShowLt, sbAutoShowLt)

class TDBGridLtScrollBar : public TPersistent {
    LT_CLASS(TDBGridLtScrollBar)
public:
    TDBGridLtScrollBar() = default;
    void Assign(const TPersistent* Source) override;

    TScrollBarVisibleModeLt VisibleMode() const { return FVisibleMode; }
    void SetVisibleMode(TScrollBarVisibleModeLt Value);
    // Visible unless never shown; True asks for sbAutoShowLt, False for
    // sbNeverShowLt.
    bool Visible() const { return FVisibleMode != sbNeverShowLt; }
    void SetVisible(bool Value) { SetVisibleMode(Value ? sbAutoShowLt : sbNeverShowLt); }
    bool Tracking() const { return FTracking; }
    void SetTracking(bool Value) { FTracking = Value; }

    const std::function<void()>& OnChange() const { return FOnChange; }
    void SetOnChange(std::function<void()> Value) { FOnChange = std::move(Value); }

private:
    TScrollBarVisibleModeLt FVisibleMode = sbAutoShowLt;
    bool FTracking = false;
    std::function<void()> FOnChange;
};

// The vertical bar, which publishes its VisibleMode.
class TVertDBGridLtScrollBar : public TDBGridLtScrollBar {
    LT_CLASS(TVertDBGridLtScrollBar)
};
