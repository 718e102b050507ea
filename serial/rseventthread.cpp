#include "serial/rseventthread.h"

#include <poll.h>
#include <sys/ioctl.h>

#include <algorithm>

#include "platform/comm/commstate.h"
#include "platform/comm/commwait.h"
#include "serial/rscustomcomm.h"

namespace {

// How often the line is looked at while something needs it (modem lines,
// bytes waiting behind a full input queue, a direct write being sent).
constexpr int kPollIntervalMs = 10;
constexpr int kLongestBackOffMs = 1000;
constexpr uint32_t kModemEvents = EV_CTS | EV_DSR | EV_RLSD | EV_RING;
constexpr uint32_t kCounterEvents = EV_ERR | EV_BREAK;

} // namespace

TRsCommEventThread::TRsCommEventThread(TRsCustomComm& Comm, uint32_t Mask, TThreadPriority Priority)
    : FComm(Comm),
      FWatched(Mask),
      FHasCounters(Comm.FDevice.Counters(FCounters) == 0),
      FHasModemLines(Comm.FDevice.ModemLines(FModemLines) == 0),
      FInputLimit(Comm.FBuffers->ReadSize() / 10 * 8),
      FThread([this] { Execute(); }, Priority, "RsCommEvent")
{
}

TRsCommEventThread::~TRsCommEventThread()
{
    Stop();
    FThread.WaitFor();
}

void TRsCommEventThread::Stop()
{
    FTerminated = true;
    FEvent.SetEvent();
}

void TRsCommEventThread::Wake()
{
    FEvent.SetEvent();
}

void TRsCommEventThread::Execute()
{
    while (!FTerminated) {
        const uint32_t mask = WaitForEvents();
        if (mask != 0 && !FTerminated)
            FComm.PostEvents(mask);
    }
}

uint32_t TRsCommEventThread::WaitForEvents()
{
    const bool watchInput = FWatched & EV_RXCHAR;
    // A full input queue takes nothing more: the bytes behind it stay in the
    // device, looked at in turn, until the main thread reads.
    const bool full = watchInput && FComm.InputQueueFull();
    pollfd handles[2] = {
        {FEvent.Handle(), POLLIN, 0},
        {FComm.FDevice.Handle(), static_cast<short>(watchInput && !full ? POLLIN : 0), 0},
    };
    if (WaitForHandles(handles, NeedsPolling(full) ? kPollIntervalMs : -1) < 0) {
        BackOff();
        return 0;
    }
    if (FTerminated)
        return 0;
    if (handles[0].revents & POLLIN)
        FEvent.ResetEvent();
    if (handles[1].revents & (POLLERR | POLLHUP | POLLNVAL)) {
        // The device is gone: reported once, then looked at less and less often.
        const bool first = FComm.LatchFailure();
        BackOff();
        return first ? FWatched & EV_ERR : 0;
    }
    FBackOffMs = 0;
    uint32_t mask = 0;
    if (watchInput && (full ? FComm.HasUnreportedInput() : (handles[1].revents & POLLIN) && FComm.ReadAhead()))
        mask |= EV_RXCHAR;
    return mask | LineEvents();
}

bool TRsCommEventThread::NeedsPolling(bool InputQueueFull) const
{
    if (InputQueueFull)
        return true;
    if (FHasModemLines && (FWatched & kModemEvents))
        return true;
    if ((FWatched & EV_TXEMPTY) && FComm.FTxPending)
        return true;
    // Without received bytes to wake it, the counters and the input level
    // are looked at in turn.
    return !(FWatched & EV_RXCHAR) &&
           ((FHasCounters && (FWatched & kCounterEvents)) || (FWatched & EV_RX80FULL));
}

uint32_t TRsCommEventThread::LineEvents()
{
    const TSerialDevice& device = FComm.FDevice;
    uint32_t mask = 0;
    TLineCounters now;
    if (FHasCounters && (FWatched & kCounterEvents) && device.Counters(now) == 0) {
        if (now.Frame != FCounters.Frame || now.Overrun != FCounters.Overrun || now.Parity != FCounters.Parity ||
            now.BufferOverrun != FCounters.BufferOverrun || now.Break != FCounters.Break)
            mask |= EV_ERR;
        if (now.Break != FCounters.Break)
            mask |= EV_BREAK;
        FCounters = now;
    }
    int lines = 0;
    if (FHasModemLines && (FWatched & kModemEvents) && device.ModemLines(lines) == 0) {
        const int changed = lines ^ FModemLines;
        if (changed & TIOCM_CTS)
            mask |= EV_CTS;
        if (changed & TIOCM_DSR)
            mask |= EV_DSR;
        if (changed & TIOCM_CD)
            mask |= EV_RLSD;
        if (changed & TIOCM_RNG)
            mask |= EV_RING;
        FModemLines = lines;
    }
    if (FWatched & EV_RX80FULL) {
        const bool above = FComm.InputWaiting() >= FInputLimit;
        if (above && !FInputAboveLimit)
            mask |= EV_RX80FULL;
        FInputAboveLimit = above;
    }
    int queued = 0;
    if ((FWatched & EV_TXEMPTY) && FComm.FTxPending && device.OutQueue(queued) == 0 && queued == 0) {
        FComm.FTxPending = false;
        mask |= EV_TXEMPTY;
    }
    return mask & FWatched;
}

void TRsCommEventThread::BackOff()
{
    FBackOffMs = std::clamp(FBackOffMs * 2, kPollIntervalMs, kLongestBackOffMs);
    if (FEvent.WaitFor(FBackOffMs) == wrSignaled && !FTerminated)
        FEvent.ResetEvent();
}
