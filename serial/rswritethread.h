#pragma once
// The write thread of an open port: writes what WriteData queued, as much as
// the driver takes at a time, and tells the main thread (without waiting for
// it) when everything written has left the port: the queue has drained and
// so has the driver's own output queue (EV_TXEMPTY; drains before the main
// thread got to the last notice make one notice). A failed write ends the
// transfer: the queue is dropped, the device counts as failed (EV_ERR) and
// later writes are refused until the port is opened again.
#include <atomic>
#include <condition_variable>

#include "platform/rtl/threads.h"
#include "serial/rscommbuffer.h"
#include "serial/rsobjects.h"

class TRsCustomComm;

class TRsCommWriteThread {
public:
    // Starts at once with an output queue of QueueSize bytes.
    TRsCommWriteThread(TRsCustomComm& Comm, int QueueSize, TThreadPriority Priority);
    TRsCommWriteThread(const TRsCommWriteThread&) = delete;
    TRsCommWriteThread& operator=(const TRsCommWriteThread&) = delete;
    // Stops and waits for the thread to end; queued bytes are dropped.
    ~TRsCommWriteThread();

    // Signals the close event.
    void Stop();
    // On the caller's thread: hands the queued bytes and then these to the
    // driver as far as it takes them now and queues the rest, waiting up to
    // the port's WriteTimeout for room (writing out what the driver makes
    // room for meanwhile); false when there was none in time (always when N
    // exceeds the queue) or the device has failed.
    bool WriteData(const void* Data, int N);
    void SetPriority(TThreadPriority Value) { FThread.SetPriority(Value); }

private:
    void Execute();
    // Writes the queued bytes, waiting for the driver when it is full;
    // whether bytes are left to write.
    bool WritePending();
    // With the write lock held: hands queued bytes to the driver as far as it
    // takes them now; false when the device failed.
    bool FlushLocked();
    // Waits until the driver has room, the port closes or Milliseconds pass.
    void WaitForRoom(int Milliseconds);
    void WriteFailed();
    // With the write lock held, after bytes went to the driver and the queue
    // is empty: EV_TXEMPTY when the driver has sent them all, else the thread
    // watches the driver until it has.
    void QueueDrained();
    // The watch of QueueDrained, on the thread.
    void CheckSent();

    TRsCustomComm& FComm;
    TRsCommBuffer FQueue;   // under the port's write lock
    TRsWaitEvent FCloseEvent;
    TRsWaitEvent FDataEvent;   // queued bytes wait, or the driver is to be watched
    std::condition_variable_any FRoom;   // bytes left the queue
    std::atomic<bool> FTerminated{false};
    bool FSending = false;   // the driver still sends what was written; under the write lock

    TThread FThread;   // last: starts when everything above is ready
};
