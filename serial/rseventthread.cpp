#include "serial/rseventthread.h"

#include <poll.h>
#include <sys/ioctl.h>

#include <algorithm>

#include "platform/comm/commstate.h"
#include "platform/comm/commwait.h"
#include "platform/rtl/appexceptions.h"
#include "serial/rscustomcomm.h"

namespace {

// How often the line is looked at while something needs it (modem lines,
// bytes left unread, a direct write being sent).
constexpr int kPollIntervalMs = 10;
constexpr int kLongestBackOffMs = 1000;
constexpr uint32_t kModemEvents = EV_CTS | EV_DSR | EV_RLSD | EV_RING;
constexpr uint32_t kCounterEvents = EV_ERR | EV_BREAK;

} // namespace

TRsCommEventThread::TRsCommEventThread(TRsCustomComm& Comm, TSynchronizer& Sync, uint32_t Mask,
                                       TThreadPriority Priority)
    : FComm(Comm),
      FSync(Sync),
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
        FMask = WaitForEvents();
        if (FMask == 0 || FTerminated)
            continue;
        TRsCustomComm* comm = &FComm;
        const uint32_t mask = FMask;
        if (!FSync.Synchronize([comm, mask] { SyncDispatch(*comm, mask); }))
            return;
        // Bytes the handler left unread are reported again once more arrive.
        FUnreadInput = (FWatched & EV_RXCHAR) && FComm.InputWaiting() > 0;
    }
}

uint32_t TRsCommEventThread::WaitForEvents()
{
    const bool watchInput = FWatched & EV_RXCHAR;
    uint32_t mask = 0;
    if (FUnreadInput && FComm.HasUnreportedInput())
        mask |= EV_RXCHAR;

    pollfd handles[2] = {
        {FEvent.Handle(), POLLIN, 0},
        {FComm.FDevice.Handle(), static_cast<short>(watchInput && !FUnreadInput ? POLLIN : 0), 0},
    };
    const int timeout = mask ? 0 : NeedsPolling() ? kPollIntervalMs : -1;
    if (WaitForHandles(handles, timeout) < 0) {
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
    if (handles[1].revents & POLLIN)
        mask |= EV_RXCHAR;
    if (FUnreadInput && !(mask & EV_RXCHAR) && FComm.HasUnreportedInput())
        mask |= EV_RXCHAR;
    mask &= FWatched;
    return mask | LineEvents();
}

bool TRsCommEventThread::NeedsPolling() const
{
    if (FUnreadInput)
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

void TRsCommEventThread::SyncDispatch(TRsCustomComm& Comm, uint32_t Mask)
{
    try {
        Comm.UpdateDisplay();
        if (Mask & EV_RXCHAR) {
            Comm.DoRxChar();
            Mask &= ~EV_RXCHAR;
        }
        if (Mask != 0)
            Comm.DoCommEvents(Mask);
    } catch (...) {
        ApplicationHandleException(&Comm);
    }
}
