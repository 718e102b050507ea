#pragma once
// The event thread of an open port: waits with poll for received bytes, its
// wake-up event and, where the device has them, changes of the line counters
// and modem lines, and hands each set of events to the main thread, waiting
// until the port has raised them there. The next wait starts only then, so
// one dispatch runs at a time.
#include <atomic>
#include <cstdint>

#include "platform/comm/serialdevice.h"
#include "platform/rtl/threads.h"
#include "serial/rsobjects.h"

class TRsCustomComm;

class TRsCommEventThread {
public:
    // Starts at once, watching the port events of Mask.
    TRsCommEventThread(TRsCustomComm& Comm, TSynchronizer& Sync, uint32_t Mask, TThreadPriority Priority);
    TRsCommEventThread(const TRsCommEventThread&) = delete;
    TRsCommEventThread& operator=(const TRsCommEventThread&) = delete;
    // Stops and waits for the thread to end.
    ~TRsCommEventThread();

    // Marks the thread terminated and wakes it.
    void Stop();
    // Wakes the thread to look at the line again (a direct write waits to be
    // sent).
    void Wake();
    void SetPriority(TThreadPriority Value) { FThread.SetPriority(Value); }

    // Raises the events of Mask on the port; runs on the main thread. Touches
    // nothing of the thread, which may be gone when a handler closed the port.
    static void SyncDispatch(TRsCustomComm& Comm, uint32_t Mask);

private:
    void Execute();
    // One wait; the events to dispatch (0 for none).
    uint32_t WaitForEvents();
    // The events of the line state: counters, modem lines, input level,
    // a direct write sent.
    uint32_t LineEvents();
    bool NeedsPolling() const;
    // Waits on the wake-up event only, longer each time the device fails.
    void BackOff();

    TRsCustomComm& FComm;
    TSynchronizer& FSync;
    const uint32_t FWatched;
    TRsWaitEvent FEvent;
    std::atomic<bool> FTerminated{false};
    uint32_t FMask = 0;   // the events of the last wait

    TLineCounters FCounters;
    bool FHasCounters = false;
    int FModemLines = 0;
    bool FHasModemLines = false;
    const int FInputLimit;       // ceRx80Full: 80 % of ReadSize
    bool FInputAboveLimit = false;
    bool FUnreadInput = false;   // the last dispatch left received bytes unread
    int FBackOffMs = 0;

    TThread FThread;   // last: starts when everything above is ready
};
