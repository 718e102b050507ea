// The line configuration: the device-control block built from the settings,
// and the parts of the line given to the device when the port opens.
#include <cerrno>

#include "platform/rtl/format.h"
#include "serial/rscustomcomm.h"

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

void TRsCustomComm::ApplyBinaryLine()
{
    if (IsOpen())
        CheckComm(SetBinaryLine(FDevice.Handle()), "Error writing dcb (%d), %s");
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
