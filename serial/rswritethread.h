#pragma once
// The write thread of an open port: writes what WriteData queued (WriteData
// hands bytes to the driver itself while nothing is queued), as much as the
// driver takes at a time, and tells the main thread (without waiting for
// it) when the queue has drained (EV_TXEMPTY; drains before the main thread
// got to the last notice make one notice) or the device failed (EV_ERR). A
// failed write ends the transfer: the queue is dropped and later writes are
// refused until the port is opened again.
#include <atomic>
#include <condition_variable>

#include "platform/rtl/threads.h"
#include "serial/rscommbuffer.h"
#include "serial/rsobjects.h"

class TRsCustomComm;

class TRsCommWriteThread {
public:
    // Starts at once with an output queue of QueueSize bytes.
    TRsCommWriteThread(TRsCustomComm& Comm, TSynchronizer& Sync, int QueueSize, TThreadPriority Priority);
    TRsCommWriteThread(const TRsCommWriteThread&) = delete;
    TRsCommWriteThread& operator=(const TRsCommWriteThread&) = delete;
    // Stops and waits for the thread to end; queued bytes are dropped.
    ~TRsCommWriteThread();

    // Signals the close event.
    void Stop();
    // On the caller's thread: queues N bytes, waiting up to the port's
    // WriteTimeout for room; false when there was none in time (always when N
    // exceeds the queue) or the device has failed.
    bool WriteData(const void* Data, int N);
    void SetPriority(TThreadPriority Value) { FThread.SetPriority(Value); }

private:
    void Execute();
    // One write of the queued bytes, waiting for the driver when it is full;
    // whether bytes are left to write.
    bool WritePending();
    // Drops N written bytes; whether bytes are left.
    bool WriteCompleted(int N);
    void WriteFailed(int Error);
    // Tells the main thread, unless a notice is waiting there already.
    void QueueDrained();

    TRsCustomComm& FComm;
    TSynchronizer& FSync;
    TRsCommBuffer FQueue;   // under the port's write lock
    TRsWaitEvent FCloseEvent;
    TRsWaitEvent FDataEvent;   // queued bytes wait
    std::condition_variable_any FRoom;   // bytes left the queue
    std::atomic<bool> FTerminated{false};

    TThread FThread;   // last: starts when everything above is ready
};
