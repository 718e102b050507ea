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
    TRsTimeout timeout;
    timeout.Start(static_cast<uint32_t>(std::max(FComm.FBuffers->WriteTimeout(), 0)));
    // More than the queue holds is never taken: only the time-out ends the wait.
    while (N > FQueue.Capacity() && !FComm.FFailed && !timeout.Expired())
        FRoom.wait_for(lock, std::chrono::milliseconds(timeout.Remaining() + 1));
    if (N > FQueue.Capacity())
        return false;
    // The caller writes out what it can itself, so that a writer faster than
    // the line does not wait for the thread to take turns with it.
    for (;;) {
        if (FComm.FFailed)
            return false;
        if (!FlushLocked()) {
            lock.unlock();
            WriteFailed();
            return false;
        }
        if (FQueue.Count() == 0) {
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
        if (FQueue.Count() + N <= FQueue.Capacity())
            break;
        if (timeout.Expired())
            return false;
        lock.unlock();
        WaitForRoom(static_cast<int>(timeout.Remaining()) + 1);
        lock.lock();
    }
    // The data event is set from the first queued byte until the queue drains.
    if (FQueue.Count() == 0)
        FDataEvent.SetEvent();
    FQueue.Add(bytes, N);
    return true;
}

bool TRsCommWriteThread::FlushLocked()
{
    const int before = FQueue.Count();
    while (FQueue.Count() > 0) {
        const ssize_t written = FComm.FDevice.Write(FQueue.Data(), static_cast<std::size_t>(FQueue.Count()));
        if (written > 0) {
            FQueue.Remove(static_cast<int>(written));
            continue;
        }
        if (written < 0 && errno != EAGAIN)
            return false;
        break;
    }
    if (FQueue.Count() < before)
        FRoom.notify_all();
    return true;
}

void TRsCommWriteThread::WaitForRoom(int Milliseconds)
{
    pollfd events[2] = {
        {FCloseEvent.Handle(), POLLIN, 0},
        {FComm.FDevice.Handle(), POLLOUT, 0},
    };
    WaitForHandles(events, Milliseconds);
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
    bool failed;
    {
        const std::lock_guard<TRsCriticalSection> guard(FComm.FWriteLock);
        const bool queued = FQueue.Count() > 0;
        failed = !FlushLocked();
        if (!failed && FQueue.Count() == 0) {
            // Under the lock, so that bytes queued in between are not lost.
            FDataEvent.ResetEvent();
            if (queued)
                QueueDrained();
            return false;
        }
    }
    if (failed) {
        WriteFailed();
        return false;
    }
    // The driver is full: wait for room or a close.
    WaitForRoom(-1);
    return true;
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
