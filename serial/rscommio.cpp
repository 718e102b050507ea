// Reading, writing and the line status of the port.
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <mutex>

#include "platform/comm/commwait.h"
#include "serial/rscustomcomm.h"
#include "serial/rseventthread.h"
#include "serial/rsutils.h"
#include "serial/rswritethread.h"

int TRsCustomComm::WriteBuf(const void* Buffer, int Count)
{
    if (!IsOpen() || Count <= 0 || FFailed)
        return 0;
    if (FDirectWrite)
        return DirectWriteBuf(static_cast<const uint8_t*>(Buffer), Count);
    if (FWriteThread->WriteData(Buffer, Count))
        return Count;
    if (FFailed)
        return 0;
    throw ERsCommError("Output buffer is full. Please check comm status.");
}

// Writes on the caller's thread, waiting for the driver up to ReadTimeout;
// the bytes written by then.
int TRsCustomComm::DirectWriteBuf(const uint8_t* Buffer, int Count)
{
    const std::lock_guard<TRsCriticalSection> guard(FWriteLock);
    TRsTimeout timeout;
    timeout.Start(static_cast<uint32_t>(std::max(FBuffers->ReadTimeout(), 0)));
    int written = 0;
    while (written < Count) {
        const ssize_t n = FDevice.Write(Buffer + written, static_cast<std::size_t>(Count - written));
        if (n > 0) {
            written += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN) {
            if (IsDeviceGone(errno)) {
                DeviceFailed();
                break;
            }
            if (written == 0)
                RaiseCommError("Write error (%d), %s", errno);
            break;
        }
        if (timeout.Expired())
            break;
        pollfd room{FDevice.Handle(), POLLOUT, 0};
        WaitForHandles({&room, 1}, static_cast<int>(timeout.Remaining()) + 1);
    }
    if (written > 0) {
        FTxPending = true;
        if (FEventThread)
            FEventThread->Wake();
    }
    return written;
}

bool TRsCustomComm::WriteText(const std::string& S)
{
    const int count = static_cast<int>(S.size());
    return WriteBuf(S.data(), count) == count;
}

int TRsCustomComm::ReadBuf(void* Buffer, int Count)
{
    if (!IsOpen() || Count <= 0)
        return 0;
    auto* const bytes = static_cast<uint8_t*>(Buffer);
    bool wasFull;
    int taken;
    {
        const std::lock_guard<TRsCriticalSection> guard(FReadLock);
        wasFull = FInput->Full();
        taken = FInput->Take(bytes, Count);
        if (taken < Count) {
            const ssize_t n = FDevice.Read(bytes + taken, static_cast<std::size_t>(Count - taken));
            if (n > 0)
                taken += static_cast<int>(n);
            else if (n < 0 && errno != EAGAIN && taken == 0)
                RaiseCommError("Read error (%d), %s", errno);
        }
        FReadTotal += static_cast<uint64_t>(taken);
    }
    // The event thread stopped reading ahead while the input queue was full.
    if (wasFull && taken > 0 && FEventThread)
        FEventThread->Wake();
    return taken;
}

void TRsCustomComm::ReadText(std::string& S)
{
    S.clear();
    const int count = InQueueCount();
    if (count <= 0)
        return;
    S.resize(static_cast<std::size_t>(count));
    S.resize(static_cast<std::size_t>(ReadBuf(S.data(), count)));
}

int TRsCustomComm::InQueueCount()
{
    if (!IsOpen())
        return 0;
    const std::lock_guard<TRsCriticalSection> guard(FReadLock);
    int count = 0;
    const int error = WaitingLocked(count);
    if (error != 0 && !IsDeviceGone(error))
        RaiseCommError("Error retrieving statistics (%d), %s", error);
    return count;
}

void TRsCustomComm::GetStatus(uint32_t& Errors, TComStat& Stat)
{
    const std::lock_guard<TRsCriticalSection> guard(FReadLock);
    Errors = 0;
    Stat = {};
    if (!IsOpen())
        return;
    int in = 0;
    int out = 0;
    int error = WaitingLocked(in);
    if (error == 0)
        error = FDevice.OutQueue(out);
    // A device that is gone has nothing queued; its loss is CE_IOE below.
    if (error != 0 && !IsDeviceGone(error))
        RaiseCommError("Error retrieving statistics (%d), %s", error);
    Stat.cbInQue = static_cast<uint32_t>(in);
    Stat.cbOutQue = static_cast<uint32_t>(out);
    TLineCounters now;
    if (FHasCounters && FDevice.Counters(now) == 0) {
        const TLineCounters& was = FStatusCounters;
        if (now.Frame != was.Frame)
            Errors |= CE_FRAME;
        if (now.Overrun != was.Overrun)
            Errors |= CE_OVERRUN;
        if (now.Parity != was.Parity)
            Errors |= CE_RXPARITY;
        if (now.Break != was.Break)
            Errors |= CE_BREAK;
        if (now.BufferOverrun != was.BufferOverrun)
            Errors |= CE_RXOVER;
        FStatusCounters = now;
    }
    Errors |= FPendingErrors.exchange(0);
}

bool TRsCustomComm::LatchFailure()
{
    if (FFailed.exchange(true))
        return false;
    FPendingErrors |= CE_IOE;
    return true;
}

void TRsCustomComm::DeviceFailed()
{
    if (LatchFailure())
        PostEvents(EV_ERR);
}

bool TRsCustomComm::ReadAhead()
{
    const std::lock_guard<TRsCriticalSection> guard(FReadLock);
    // One read a call: a read that finds the device empty first waits for
    // the terminal to hand over what it still holds, and that wait belongs
    // in the event thread's poll, outside the lock.
    uint8_t chunk[4096];
    if (const int room = FInput->Capacity() - FInput->Count(); room > 0) {
        const ssize_t n = FDevice.Read(chunk, std::min(sizeof chunk, static_cast<std::size_t>(room)));
        if (n > 0)
            FInput->Add(chunk, static_cast<int>(n));
    }
    return FReadTotal + static_cast<uint64_t>(FInput->Count()) > FRxReported;
}

bool TRsCustomComm::InputQueueFull()
{
    const std::lock_guard<TRsCriticalSection> guard(FReadLock);
    return FInput->Full();
}

int TRsCustomComm::WaitingLocked(int& Count) const
{
    int device = 0;
    const int error = FDevice.InQueue(device);
    Count = FInput->Count() + device;
    return error;
}

bool TRsCustomComm::HasUnreportedInput()
{
    const std::lock_guard<TRsCriticalSection> guard(FReadLock);
    int count = 0;
    WaitingLocked(count);
    return FReadTotal + static_cast<uint64_t>(count) > FRxReported;
}

int TRsCustomComm::InputWaiting()
{
    const std::lock_guard<TRsCriticalSection> guard(FReadLock);
    int count = 0;
    WaitingLocked(count);
    return count;
}
