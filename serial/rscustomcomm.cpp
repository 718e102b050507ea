// The port's settings, its line configuration, opening and closing.
#include "serial/rscustomcomm.h"

#include <cerrno>
#include <functional>
#include <system_error>

#include "platform/rtl/appexceptions.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/format.h"
#include "platform/rtl/strutils.h"
#include "platform/rtl/syserror.h"
#include "serial/rsclient.h"
#include "serial/rsdisplay.h"
#include "serial/rseventthread.h"
#include "serial/rswritethread.h"

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

// ---------------------------------------------------------------------------
// Settings

void TRsCustomComm::CheckClosed() const
{
    if (IsOpen())
        throw ERsCommError("Can't perform this operation while port is open");
}

void TRsCustomComm::ApplyOrRestore(const std::function<void()>& Restore)
{
    try {
        ApplyDCB();
    } catch (...) {
        Restore();
        throw;
    }
}

void TRsCustomComm::SetBaudrate(TRsBaudrate Value)
{
    if (Value == FBaudrate)
        return;
    const TRsBaudrate oldBaudrate = FBaudrate;
    const int oldUserBaudrate = FUserBaudrate;
    FBaudrate = Value;
    if (Value != brUser)
        FUserBaudrate = 0;
    ApplyOrRestore([&] {
        FBaudrate = oldBaudrate;
        FUserBaudrate = oldUserBaudrate;
    });
}

void TRsCustomComm::SetUserBaudrate(int Value)
{
    if (Value == FUserBaudrate)
        return;
    const TRsBaudrate oldBaudrate = FBaudrate;
    const int oldUserBaudrate = FUserBaudrate;
    FUserBaudrate = Value;
    FBaudrate = brUser;
    ApplyOrRestore([&] {
        FBaudrate = oldBaudrate;
        FUserBaudrate = oldUserBaudrate;
    });
}

void TRsCustomComm::SetParity(TRsParity Value)
{
    if (Value == FParity)
        return;
    const TRsParity old = FParity;
    FParity = Value;
    ApplyOrRestore([&] { FParity = old; });
}

void TRsCustomComm::SetDatabits(TRsDatabits Value)
{
    if (Value == FDatabits)
        return;
    const TRsDatabits old = FDatabits;
    FDatabits = Value;
    ApplyOrRestore([&] { FDatabits = old; });
}

void TRsCustomComm::SetStopbits(TRsStopbits Value)
{
    if (Value == FStopbits)
        return;
    const TRsStopbits old = FStopbits;
    FStopbits = Value;
    ApplyOrRestore([&] { FStopbits = old; });
}

void TRsCustomComm::SetOptions(TRsCommOptions Value)
{
    if (Value == FOptions)
        return;
    const TRsCommOptions old = FOptions;
    FOptions = Value;
    ApplyOrRestore([&] { FOptions = old; });
}

void TRsCustomComm::SetPortNum(int Value)
{
    CheckClosed();
    FPortNum = Value;
}

void TRsCustomComm::SetDeviceName(const std::string& Value)
{
    CheckClosed();
    FDeviceName = Value;
}

void TRsCustomComm::SetMonitorEvents(TRsCommEvents Value)
{
    CheckClosed();
    FMonitorEvents = Value;
}

void TRsCustomComm::SetBuffers(const TRsBuffers* Value)
{
    CheckClosed();
    FBuffers->Assign(Value);
}

void TRsCustomComm::SetEventPriority(TThreadPriority Value)
{
    if (Value == FEventPriority)
        return;
    FEventPriority = Value;
    if (FEventThread)
        FEventThread->SetPriority(Value);
}

void TRsCustomComm::SetWritePriority(TThreadPriority Value)
{
    if (Value == FWritePriority)
        return;
    FWritePriority = Value;
    if (FWriteThread)
        FWriteThread->SetPriority(Value);
}

void TRsCustomComm::SetDirectWrite(bool Value)
{
    CheckClosed();
    FDirectWrite = Value;
}

void TRsCustomComm::SetUpdateDCB(bool Value)
{
    CheckClosed();
    FUpdateDCB = Value;
}

void TRsCustomComm::SetDisplay(TRsDisplay* Value)
{
    if (Value == FDisplay)
        return;
    if (FDisplay)
        FDisplay->RemoveFreeNotification(this);
    FDisplay = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TRsCustomComm::Notification(TComponent* AComponent, TOperation Operation)
{
    TRsComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && FDisplay && AComponent == FDisplay)
        FDisplay = nullptr;
}

void TRsCustomComm::Loaded()
{
    TRsComponent::Loaded();
    if (FAutoOpen && !ComponentState().Contains(csDesigning))
        Open();
}

void TRsCustomComm::BuffersChanged(TObject*)
{
    CheckClosed();
    ApplyBufferSizes();
    ApplyDCB();
}

void TRsCustomComm::EventCharsChanged(TObject*)
{
    ApplyDCB();
}

void TRsCustomComm::FlowControlChanged(TObject*)
{
    ApplyDCB();
}

std::string TRsCustomComm::FormatDeviceName() const
{
    // Only the "%d" is filled in: the name comes from outside and is never
    // used as a format.
    const std::size_t at = FDeviceName.find("%d");
    if (at == std::string::npos)
        return FDeviceName;
    return FDeviceName.substr(0, at) + IntToStr(FPortNum) + FDeviceName.substr(at + 2);
}

// ---------------------------------------------------------------------------
// Line configuration

TDCB TRsCustomComm::BuildDCB() const
{
    TDCB dcb;
    dcb.DCBlength = sizeof(TDCB);
    dcb.BaudRate = FBaudrate == brUser ? static_cast<uint32_t>(FUserBaudrate) : BaudrateValue(FBaudrate);
    dcb.ByteSize = static_cast<uint8_t>(4 + FDatabits);
    dcb.Parity = static_cast<uint8_t>(FParity);
    dcb.StopBits = static_cast<uint8_t>(FStopbits);
    dcb.XonChar = static_cast<char>(FEventChars->XonChar());
    dcb.XoffChar = static_cast<char>(FEventChars->XoffChar());
    dcb.ErrorChar = static_cast<char>(FEventChars->ErrorChar());
    dcb.EofChar = static_cast<char>(FEventChars->EofChar());
    dcb.EvtChar = static_cast<char>(FEventChars->EventChar());
    dcb.XonLim = static_cast<uint16_t>(FBuffers->XonLimit());
    dcb.XoffLim = static_cast<uint16_t>(FBuffers->XoffLimit());

    uint32_t flags = DCB_BINARY;
    const TRsFlowControl& flow = *FFlowControl;
    if (flow.OutCtsFlow())
        flags |= DCB_OUTX_CTS_FLOW;
    if (flow.OutDsrFlow())
        flags |= DCB_OUTX_DSR_FLOW;
    static constexpr uint32_t dtrFlags[] = {0, DCB_DTR_CONTROL_ENABLE, DCB_DTR_CONTROL_HANDSHAKE};
    flags |= dtrFlags[flow.ControlDtr()];
    if (flow.DsrSensitivity())
        flags |= DCB_DSR_SENSITIVITY;
    if (flow.TxContinueOnXoff())
        flags |= DCB_TX_CONTINUE_ON_XOFF;
    if (flow.XonXoffOut())
        flags |= DCB_OUTX;
    if (flow.XonXoffIn())
        flags |= DCB_INX;
    static constexpr uint32_t rtsFlags[] = {0, DCB_RTS_CONTROL_ENABLE, DCB_RTS_CONTROL_HANDSHAKE,
                                            DCB_RTS_CONTROL_TOGGLE};
    flags |= rtsFlags[flow.ControlRts()];
    if (FOptions.Contains(coParityCheck))
        flags |= DCB_PARITY;
    if (FOptions.Contains(coErrorChar))
        flags |= DCB_ERROR_CHAR;
    if (FOptions.Contains(coNullStrip))
        flags |= DCB_NULL;
    dcb.Flags = flags;
    return dcb;
}

void TRsCustomComm::ApplyDCB()
{
    if (!IsOpen() || !FUpdateDCB)
        return;
    std::string refusal;
    const int error = SetCommState(FDevice.Handle(), BuildDCB(), refusal);
    if (error != 0 && !refusal.empty())
        throw ERsCommError(Format("Error writing dcb (%d), %s", error, refusal));
    CheckComm(error, "Error writing dcb (%d), %s");
}

void TRsCustomComm::ApplyBufferSizes()
{
    // The terminal's own queues have fixed sizes on Linux: ReadSize is the
    // level of ceRx80Full and WriteSize the size of the output queue.
    if (IsOpen() && (FBuffers->ReadSize() <= 0 || FBuffers->WriteSize() <= 0))
        throw ERsCommError(Format("Error initializing buffers (%d), %s", EINVAL,
                                  "ReadSize and WriteSize must be above 0"));
}

void TRsCustomComm::ApplyTimeouts()
{
    if (IsOpen())
        CheckComm(SetReadsReturnAtOnce(FDevice.Handle()), "Error setting timeouts (%d), %s");
}

void TRsCustomComm::ApplyEventMask()
{
    uint32_t mask = 0;
    for (int event = ceBreak; event <= ceEvent2; ++event)
        if (FMonitorEvents.Contains(static_cast<TRsCommEvent>(event)))
            mask |= CommEventBit(static_cast<TRsCommEvent>(event));
    // With the output queue the write thread reports the queue's draining.
    if (!FDirectWrite)
        mask &= ~EV_TXEMPTY;
    FEventMask = mask;
    if (IsOpen() && (mask & EV_RXFLAG))
        throw ERsCommError(Format(" Error setting EventMask (%d), %s", EINVAL,
                                  "Linux cannot report the arrival of the event character (ceRxFlag)"));
}

// ---------------------------------------------------------------------------
// Opening and closing

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
            FEventThread = std::make_unique<TRsCommEventThread>(*this, *FSync, FEventMask, FEventPriority);
        if (queue)
            FWriteThread = std::make_unique<TRsCommWriteThread>(*this, *FSync, FBuffers->WriteSize(), FWritePriority);
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
        FWriteError = 0;
        FTxPending = false;
        FTxEmptyQueued = false;
        FReadTotal = 0;
        FRxReported = 0;
        ApplyDCB();
        ApplyBufferSizes();
        ApplyTimeouts();
        ApplyEventMask();
        {
            const std::lock_guard<TRsCriticalSection> guard(FReadLock);
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
