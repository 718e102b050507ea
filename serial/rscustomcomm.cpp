// The port's construction, opening and closing, and its errors.
#include "serial/rscustomcomm.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "platform/rtl/appexceptions.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/format.h"
#include "platform/rtl/syserror.h"
#include "serial/rseventthread.h"
#include "serial/rswritethread.h"

namespace {

// The input queue holds at least what the terminal's own receive buffers do
// (a tty keeps up to 64 KB waiting for its reader), so the event thread keeps
// taking bytes off the line while the main thread is busy. ReadSize only sets
// the level of ceRx80Full.
constexpr int kInputQueueSize = 64 * 1024;

} // namespace

LT_IMPLEMENT_CLASS(TRsComponent, TComponent) {}
LT_IMPLEMENT_CLASS(TRsCustomComm, TRsComponent) {}

TRsCustomComm::TRsCustomComm(TComponent* AOwner)
    : TRsComponent(AOwner),
      FDeviceName(RsDefaultDeviceName),
      FBuffers(std::make_unique<TRsBuffers>()),
      FEventChars(std::make_unique<TRsEventChars>()),
      FFlowControl(std::make_unique<TRsFlowControl>())
{
    FBuffers->SetOnChange([this](TObject* Sender) { BuffersChanged(Sender); });
    FEventChars->SetOnChange([this](TObject* Sender) { EventCharsChanged(Sender); });
    FFlowControl->SetOnChange([this](TObject* Sender) { FlowControlChanged(Sender); });
}

TRsCustomComm::~TRsCustomComm()
{
    FDestroying = true;
    Close();
    DetachClients();
}

void TRsCustomComm::CreateHandle()
{
    const std::string name = FormatDeviceName();
    const int error = FDevice.Open(name);
    if (error == 0)
        return;
    if (error == ENOENT || error == ENXIO || error == ENODEV)
        throw ERsCommError(Format("Specified device not found (%s).", name));
    throw ERsCommError(Format("Can't open specified device %s (Error %d, %s)", name, error, SysErrorMessage(error)));
}

void TRsCustomComm::DestroyHandle()
{
    FDevice.Close();
}

void TRsCustomComm::CreateThreads()
{
    const bool watch = FEventMask != 0;
    const bool queue = !FDirectWrite;
    if (!watch && !queue)
        return;
    try {
        FSync = std::make_unique<TSynchronizer>();
        if (watch)
            FEventThread = std::make_unique<TRsCommEventThread>(*this, FEventMask, FEventPriority);
        if (queue)
            FWriteThread = std::make_unique<TRsCommWriteThread>(*this, FBuffers->WriteSize(), FWritePriority);
    } catch (const ERsCommError&) {
        throw;
    } catch (const Exception& e) {
        throw ERsCommError(e.Message());
    } catch (const std::system_error& e) {
        RaiseCommError("Error starting a thread (%d), %s", e.code().value());
    }
}

void TRsCustomComm::DestroyThreads()
{
    std::unique_ptr<TRsCommEventThread> eventThread;
    std::unique_ptr<TRsCommWriteThread> writeThread;
    {
        const std::lock_guard<TRsCriticalSection> guard(FReadLock);
        // A thread waiting for the main thread is released first.
        if (FSync)
            FSync->Cancel();
        if (FEventThread)
            FEventThread->Stop();
        if (FWriteThread)
            FWriteThread->Stop();
        eventThread = std::move(FEventThread);
        writeThread = std::move(FWriteThread);
    }
    // Joined outside the lock: a thread may need it to finish its step.
    eventThread.reset();
    writeThread.reset();
    FSync.reset();
}

void TRsCustomComm::Open()
{
    CheckClosed();
    CreateHandle();
    try {
        FPendingErrors = 0;
        FFailed = false;
        FTxPending = false;
        FPostedEvents = 0;
        FReadTotal = 0;
        FRxReported = 0;
        ApplyBinaryLine();
        ApplyDCB();
        ApplyBufferSizes();
        ApplyTimeouts();
        ApplyEventMask();
        {
            const std::lock_guard<TRsCriticalSection> guard(FReadLock);
            FInput = std::make_unique<TRsInputQueue>(std::max(FBuffers->ReadSize(), kInputQueueSize));
            FStatusCounters = {};
            FHasCounters = FDevice.Counters(FStatusCounters) == 0;
        }
        CreateThreads();
    } catch (...) {
        DestroyThreads();
        DestroyHandle();
        throw;
    }
    DoOpen();
}

void TRsCustomComm::Close()
{
    if (!IsOpen())
        return;
    DestroyThreads();
    DestroyHandle();
    DoClose();
}

void TRsCustomComm::DoOpen()
{
    if (!FOnOpen)
        return;
    try {
        FOnOpen(this);
    } catch (...) {
        ApplicationHandleException(this);
    }
}

void TRsCustomComm::DoClose()
{
    if (FOnClose && !FDestroying)
        FOnClose(this);
}

void TRsCustomComm::RaiseCommError(const char* Fmt, int ErrorCode)
{
    throw ERsCommError(Format(Fmt, ErrorCode, SysErrorMessage(ErrorCode)));
}

void TRsCustomComm::CheckComm(int ErrorCode, const char* Fmt)
{
    if (ErrorCode != 0)
        RaiseCommError(Fmt, ErrorCode);
}
