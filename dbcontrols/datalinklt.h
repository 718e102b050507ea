#pragma once
// A data link that hands every data event to its owner after the link's own
// handling.
#include <cstdint>
#include <functional>

#include "platform/data/datasource.h"

class TDataLinkLt : public TDataLink {
public:
    using TDataEventCallback = std::function<void(TDataEvent Event, intptr_t Info)>;

    TDataLinkLt() = default;
    explicit TDataLinkLt(TDataEventCallback OnDataEvent) : FOnDataEvent(std::move(OnDataEvent)) {}

    const TDataEventCallback& OnDataEvent() const { return FOnDataEvent; }
    void SetOnDataEvent(TDataEventCallback Value) { FOnDataEvent = std::move(Value); }

    void DataEvent(TDataEvent Event, intptr_t Info) override;

private:
    TDataEventCallback FOnDataEvent;
};
