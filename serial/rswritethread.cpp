#include "serial/rswritethread.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <mutex>

#include "platform/comm/commstate.h"
#include "platform/comm/commwait.h"
#include "serial/rscustomcomm.h"
#include "serial/rsutils.h"

TRsCommWriteThread::TRsCommWriteThread(TRsCustomComm& Comm, TSynchronizer& Sync, int QueueSize,
                                       TThreadPriority Priority)
    : FComm(Comm), FSync(Sync), FQueue(QueueSize), FThread([this] { Execute(); }, Priority, "RsCommWrite")
{
}

TRsCommWriteThread::~TRsCommWriteThread()
{
    Stop();
    FThread.WaitFor();
}

void TRsCommWriteThread::Stop()
{
    FTerminated = true;
    FCloseEvent.SetEvent();
}

bool TRsCommWriteThread::WriteData(const void* Data, int N)
{
    const auto* bytes = static_cast<const uint8_t*>(Data);
    std::unique_lock<TRsCriticalSection> lock(FComm.FWriteLock);
    // With nothing queued nothing is being written: the driver takes what it
    // can at once and the queue the rest, which then always fits. A failing
    // write is left to the thread, which meets the failure again and reports it.
    if (FQueue.Count() == 0 && N <= FQueue.Capacity() && FComm.FWriteError == 0) {
        const ssize_t written = FComm.FDevice.Write(bytes, static_cast<std::size_t>(N));
        if (written == N) {
            lock.unlock();
            QueueDrained();
            return true;
        }
        if (written > 0) {
            bytes += written;
            N -= static_cast<int>(written);
        }
    }
    TRsTimeout timeout;
    timeout.Start(static_cast<uint32_t>(std::max(FComm.FBuffers->WriteTimeout(), 0)));
    while (FQueue.Count() + N > FQueue.Capacity() && FComm.FWriteError == 0) {
        if (timeout.Expired())
            return false;
        FRoom.wait_for(lock, std::chrono::milliseconds(timeout.Remaining() + 1));
    }
    if (FComm.FWriteError != 0)
        return false;
    // The data event is set from the first queued byte until the queue drains.
    if (FQueue.Count() == 0)
        FDataEvent.SetEvent();
    FQueue.Add(bytes, N);
    return true;
}

void TRsCommWriteThread::QueueDrained()
{
    if (FComm.FTxEmptyQueued.exchange(true))
        return;
    TRsCustomComm* comm = &FComm;
    FSync.Queue([comm] {
        comm->FTxEmptyQueued = false;
        comm->DoCommEvents(EV_TXEMPTY);
    });
}

void TRsCommWriteThread::Execute()
{
    bool pending = false;
    while (!FTerminated) {
        if (!pending) {
            pollfd events[2] = {
                {FCloseEvent.Handle(), POLLIN, 0},
                {FDataEvent.Handle(), POLLIN, 0},
            };
            if (WaitForHandles(events, -1) < 0) {
                FCloseEvent.WaitFor(10);
                continue;
            }
            if (events[0].revents)
                break;
        }
        pending = WritePending();
    }
}

bool TRsCommWriteThread::WritePending()
{
    const uint8_t* data;
    int count;
    {
        const std::lock_guard<TRsCriticalSection> guard(FComm.FWriteLock);
        data = FQueue.Data();
        count = FQueue.Count();
        if (count == 0) {
            FDataEvent.ResetEvent();
            return false;
        }
    }
    // Bytes queued meanwhile lie behind these and go with the next write.
    const ssize_t written = FComm.FDevice.Write(data, static_cast<std::size_t>(count));
    if (written > 0)
        return WriteCompleted(static_cast<int>(written));
    if (written < 0 && errno != EAGAIN) {
        WriteFailed(errno);
        return false;
    }
    // The driver is full: wait for room or a close.
    pollfd events[2] = {
        {FCloseEvent.Handle(), POLLIN, 0},
        {FComm.FDevice.Handle(), POLLOUT, 0},
    };
    WaitForHandles(events, -1);
    return true;
}

bool TRsCommWriteThread::WriteCompleted(int N)
{
    bool drained;
    {
        const std::lock_guard<TRsCriticalSection> guard(FComm.FWriteLock);
        FQueue.Remove(N);
        drained = FQueue.Count() == 0;
        // Under the lock, so that bytes queued in between are not lost.
        if (drained)
            FDataEvent.ResetEvent();
    }
    FRoom.notify_all();
    if (drained)
        QueueDrained();
    return !drained;
}

void TRsCommWriteThread::WriteFailed(int Error)
{
    {
        const std::lock_guard<TRsCriticalSection> guard(FComm.FWriteLock);
        FQueue.Remove(FQueue.Count());
        FDataEvent.ResetEvent();
        FComm.FWriteError = Error;
    }
    FRoom.notify_all();
    if (FComm.LatchFailure()) {
        TRsCustomComm* comm = &FComm;
        FSync.Queue([comm] { comm->DoCommEvents(EV_ERR); });
    }
}
