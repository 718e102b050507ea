#pragma once
// The base of the port's option groups: a change notification that an update
// bracket holds back until its end.
#include "platform/rtl/component.h"

class TRsPersistent : public TPersistent {
    LT_CLASS(TRsPersistent)
public:
    void BeginUpdate();
    // Ends a bracket (never below 0) and then notifies a change.
    void EndUpdate();

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

protected:
    // Fires OnChange unless an update bracket is open.
    void Changed();

private:
    int FUpdateCount = 0;
    TNotifyEvent FOnChange;
};
