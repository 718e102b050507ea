#pragma once
// The event thread of an open port: waits with poll for received bytes, its
// wake-up event and, where the device has them, changes of the line counters
// and modem lines. Received bytes are read ahead into the port's input queue
// as they arrive, so the main thread finds everything that came in one
// hand-over; the events go to the main thread without waiting for it
// (TRsCustomComm::PostEvents), and those that come before it got to the last
// ones go with them.
#include <atomic>
#include <cstdint>

#include "platform/comm/serialdevice.h"
#include "platform/rtl/threads.h"
#include "serial/rsobjects.h"

class TRsCustomComm;

class TRsCommEventThread {
public:
    // Starts at once, watching the port events of Mask.
    TRsCommEventThread(TRsCustomComm& Comm, uint32_t Mask, TThreadPriority Priority);
    TRsCommEventThread(const TRsCommEventThread&) = delete;
    TRsCommEventThread& operator=(const TRsCommEventThread&) = delete;
    // Stops and waits for the thread to end.
    ~TRsCommEventThread();

    // Marks the thread terminated and wakes it.
    void Stop();
    // Wakes the thread to look at the line again (a direct write waits to be
    // sent, the input queue has room again).
    void Wake();
    void SetPriority(TThreadPriority Value) { FThread.SetPriority(Value); }

private:
    void Execute();
    // One wait; the events to hand over (0 for none).
    uint32_t WaitForEvents();
    // The events of the line state: counters, modem lines, input level,
    // a direct write sent.
    uint32_t LineEvents();
    bool NeedsPolling(bool InputQueueFull) const;
    // Waits on the wake-up event only, longer each time the device fails.
    void BackOff();

    TRsCustomComm& FComm;
    const uint32_t FWatched;
    TRsWaitEvent FEvent;
    std::atomic<bool> FTerminated{false};

    TLineCounters FCounters;
    bool FHasCounters = false;
    int FModemLines = 0;
    bool FHasModemLines = false;
    const int FInputLimit;       // ceRx80Full: 80 % of ReadSize
    bool FInputAboveLimit = false;
    int FBackOffMs = 0;

    TThread FThread;   // last: starts when everything above is ready
};
