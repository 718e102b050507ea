// The port's settings: the setters, the groups' change handlers, the display
// reference and the device name.
#include <functional>

#include "platform/rtl/strutils.h"
#include "serial/rscustomcomm.h"
#include "serial/rsdisplay.h"
#include "serial/rseventthread.h"
#include "serial/rswritethread.h"

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
