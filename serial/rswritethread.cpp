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

namespace {

// How often the driver's output queue is looked at while it still sends.
constexpr int kSendingPollMs = 5;

} // namespace

TRsCommWriteThread::TRsCommWriteThread(TRsCustomComm& Comm, int QueueSize, TThreadPriority Priority)
    : FComm(Comm), FQueue(QueueSize), FThread([this] { Execute(); }, Priority, "RsCommWrite")
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
    // can at once and the queue the rest, which then always fits.
    if (FQueue.Count() == 0 && N <= FQueue.Capacity() && !FComm.FFailed) {
        const ssize_t written = FComm.FDevice.Write(bytes, static_cast<std::size_t>(N));
        if (written == N) {
            QueueDrained();
            // The thread watches the driver from here.
            if (FSending)
                FDataEvent.SetEvent();
            return true;
        }
        if (written < 0 && errno != EAGAIN) {
            lock.unlock();
            WriteFailed();
            return false;
        }
        if (written > 0) {
            bytes += written;
            N -= static_cast<int>(written);
        }
    }
    TRsTimeout timeout;
    timeout.Start(static_cast<uint32_t>(std::max(FComm.FBuffers->WriteTimeout(), 0)));
    while (FQueue.Count() + N > FQueue.Capacity() && !FComm.FFailed) {
        if (timeout.Expired())
            return false;
        FRoom.wait_for(lock, std::chrono::milliseconds(timeout.Remaining() + 1));
    }
    if (FComm.FFailed)
        return false;
    // The data event is set from the first queued byte until the queue drains.
    if (FQueue.Count() == 0)
        FDataEvent.SetEvent();
    FQueue.Add(bytes, N);
    return true;
}

void TRsCommWriteThread::QueueDrained()
{
    int sending = 0;
    FSending = FComm.FDevice.OutQueue(sending) == 0 && sending > 0;
    if (!FSending)
        FComm.PostEvents(EV_TXEMPTY);
}

void TRsCommWriteThread::CheckSent()
{
    const std::lock_guard<TRsCriticalSection> guard(FComm.FWriteLock);
    // Bytes queued meanwhile are written first; their drain is watched then.
    if (FSending && FQueue.Count() == 0)
        QueueDrained();
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
            bool sending;
            {
                const std::lock_guard<TRsCriticalSection> guard(FComm.FWriteLock);
                sending = FSending;
            }
            const int ready = WaitForHandles(events, sending ? kSendingPollMs : -1);
            if (ready < 0) {
                FCloseEvent.WaitFor(10);
                continue;
            }
            if (events[0].revents)
                break;
            if (ready == 0) {
                CheckSent();
                continue;
            }
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
        WriteFailed();
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
        if (drained) {
            FDataEvent.ResetEvent();
            QueueDrained();
        }
    }
    FRoom.notify_all();
    return !drained;
}

void TRsCommWriteThread::WriteFailed()
{
    bool first;
    {
        const std::lock_guard<TRsCriticalSection> guard(FComm.FWriteLock);
        FQueue.Remove(FQueue.Count());
        FDataEvent.ResetEvent();
        FSending = false;
        first = FComm.LatchFailure();
    }
    FRoom.notify_all();
    if (first)
        FComm.PostEvents(EV_ERR);
}
