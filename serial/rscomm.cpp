#include "serial/rscomm.h"

#include "platform/rtl/classbuilder.h"
#include "serial/rsdisplay.h"

LT_IMPLEMENT_CLASS(TRsComm, TRsCustomComm)
{
    using C = TRsComm;
    P.Property("AutoOpen", &C::AutoOpen, &C::SetAutoOpen).Default(0);
    P.Property("Baudrate", &C::Baudrate, &C::SetBaudrate).Default(br1200);
    P.Property("Parity", &C::Parity, &C::SetParity).Default(paNone);
    P.Property("Databits", &C::Databits, &C::SetDatabits).Default(db8);
    P.Property("Stopbits", &C::Stopbits, &C::SetStopbits).Default(sb1);
    P.Property("EventChars", &C::EventChars);
    P.Property("FlowControl", &C::FlowControl);
    P.Property("Options", &C::Options, &C::SetOptions).Default(0);
    P.Property("PortNum", &C::PortNum, &C::SetPortNum).Default(0);
    P.Property("DeviceName", &C::DeviceName, &C::SetDeviceName).StoredIf([](const TObject& Comm) {
        return static_cast<const C&>(Comm).DeviceName() != RsDefaultDeviceName;
    });
    P.Property("MonitorEvents", &C::MonitorEvents, &C::SetMonitorEvents)
        .Default(static_cast<int64_t>(TRsCommEvents{ceError, ceRxChar, ceTxEmpty}.Bits()));
    P.Property("Buffers", &C::Buffers);
    P.Property("EventPriority", &C::EventPriority, &C::SetEventPriority).Default(tpNormal);
    P.Property("WritePriority", &C::WritePriority, &C::SetWritePriority).Default(tpHighest);
    P.Property("DirectWrite", &C::DirectWrite, &C::SetDirectWrite).Default(0);
    P.Property("UpdateDCB", &C::UpdateDCB, &C::SetUpdateDCB).Default(1);
    P.Property("UserBaudrate", &C::UserBaudrate, &C::SetUserBaudrate).Default(0);
    P.Property("Display", &C::Display, &C::SetDisplay);
    P.Property("OnOpen", &C::OnOpen, &C::SetOnOpen);
    P.Property("OnClose", &C::OnClose, &C::SetOnClose);
    P.Property("OnCts", &C::OnCts, &C::SetOnCts);
    P.Property("OnDsr", &C::OnDsr, &C::SetOnDsr);
    P.Property("OnRlsd", &C::OnRlsd, &C::SetOnRlsd);
    P.Property("OnRing", &C::OnRing, &C::SetOnRing);
    P.Property("OnBreak", &C::OnBreak, &C::SetOnBreak);
    P.Property("OnRxFlag", &C::OnRxFlag, &C::SetOnRxFlag);
    P.Property("OnTxEmpty", &C::OnTxEmpty, &C::SetOnTxEmpty);
    P.Property("OnPErr", &C::OnPErr, &C::SetOnPErr);
    P.Property("OnRx80Full", &C::OnRx80Full, &C::SetOnRx80Full);
    P.Property("OnEvent1", &C::OnEvent1, &C::SetOnEvent1);
    P.Property("OnEvent2", &C::OnEvent2, &C::SetOnEvent2);
    P.Property("OnError", &C::OnError, &C::SetOnError);
    P.Property("OnRxChar", &C::OnRxChar, &C::SetOnRxChar);
    P.Property("OnRxBuf", &C::OnRxBuf, &C::SetOnRxBuf);
}
