#include "serial/rsoptions.h"

#include "platform/rtl/classbuilder.h"

namespace {

// Stores Values and notifies the change; the old values come back when the
// notification raises.
template <class T, class N>
void StoreAndNotify(T& Field, const T& Values, N Notify)
{
    const T old = Field;
    Field = Values;
    try {
        Notify();
    } catch (...) {
        Field = old;
        throw;
    }
}

} // namespace

// ---------------------------------------------------------------------------

LT_IMPLEMENT_CLASS(TRsFlowControl, TRsPersistent)
{
    using C = TRsFlowControl;
    P.Property("OutCtsFlow", &C::OutCtsFlow, &C::SetOutCtsFlow).Default(0);
    P.Property("OutDsrFlow", &C::OutDsrFlow, &C::SetOutDsrFlow).Default(0);
    P.Property("ControlDtr", &C::ControlDtr, &C::SetControlDtr).Default(dtrDisabled);
    P.Property("ControlRts", &C::ControlRts, &C::SetControlRts).Default(rtsDisabled);
    P.Property("XonXoffOut", &C::XonXoffOut, &C::SetXonXoffOut).Default(0);
    P.Property("XonXoffIn", &C::XonXoffIn, &C::SetXonXoffIn).Default(0);
    P.Property("DsrSensitivity", &C::DsrSensitivity, &C::SetDsrSensitivity).Default(0);
    P.Property("TxContinueOnXoff", &C::TxContinueOnXoff, &C::SetTxContinueOnXoff).Default(0);
}

void TRsFlowControl::Change(const TValues& Values)
{
    if (Values == F)
        return;
    StoreAndNotify(F, Values, [this] { Changed(); });
}

template <class T>
void TRsFlowControl::Set(T TValues::*Field, T Value)
{
    TValues values = F;
    values.*Field = Value;
    Change(values);
}

void TRsFlowControl::SetOutCtsFlow(bool Value) { Set(&TValues::OutCtsFlow, Value); }
void TRsFlowControl::SetOutDsrFlow(bool Value) { Set(&TValues::OutDsrFlow, Value); }
void TRsFlowControl::SetControlDtr(TRsControlDtr Value) { Set(&TValues::ControlDtr, Value); }
void TRsFlowControl::SetControlRts(TRsControlRts Value) { Set(&TValues::ControlRts, Value); }
void TRsFlowControl::SetXonXoffOut(bool Value) { Set(&TValues::XonXoffOut, Value); }
void TRsFlowControl::SetXonXoffIn(bool Value) { Set(&TValues::XonXoffIn, Value); }
void TRsFlowControl::SetDsrSensitivity(bool Value) { Set(&TValues::DsrSensitivity, Value); }
void TRsFlowControl::SetTxContinueOnXoff(bool Value) { Set(&TValues::TxContinueOnXoff, Value); }

void TRsFlowControl::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TRsFlowControl*>(Source);
    if (!source) {
        TRsPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    StoreAndNotify(F, source->F, [this] { EndUpdate(); });
}

// ---------------------------------------------------------------------------

LT_IMPLEMENT_CLASS(TRsEventChars, TRsPersistent)
{
    using C = TRsEventChars;
    P.Property("XonChar", &C::XonChar, &C::SetXonChar).Default(17);
    P.Property("XoffChar", &C::XoffChar, &C::SetXoffChar).Default(19);
    P.Property("ErrorChar", &C::ErrorChar, &C::SetErrorChar).Default(0);
    P.Property("EventChar", &C::EventChar, static_cast<void (C::*)(uint8_t)>(&C::SetEventChar)).Default(0);
    P.Property("EofChar", &C::EofChar, &C::SetEofChar).Default(0);
}

void TRsEventChars::Change(const TValues& Values)
{
    StoreAndNotify(F, Values, [this] { Changed(); });
}

void TRsEventChars::SetEventChar(int Index, uint8_t Value)
{
    TValues values = F;
    values.Chars[Index - 1] = Value;
    Change(values);
}

void TRsEventChars::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TRsEventChars*>(Source);
    if (!source) {
        TRsPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    StoreAndNotify(F, source->F, [this] { EndUpdate(); });
}

// ---------------------------------------------------------------------------

LT_IMPLEMENT_CLASS(TRsBuffers, TRsPersistent)
{
    using C = TRsBuffers;
    P.Property("ReadSize", &C::ReadSize, &C::SetReadSize).Default(4096);
    P.Property("WriteSize", &C::WriteSize, &C::SetWriteSize).Default(2048);
    P.Property("ReadTimeout", &C::ReadTimeout, &C::SetReadTimeout).Default(1000);
    P.Property("WriteTimeout", &C::WriteTimeout, &C::SetWriteTimeout).Default(1000);
    P.Property("XonLimit", &C::XonLimit, &C::SetXonLimit).Default(1024);
    P.Property("XoffLimit", &C::XoffLimit, &C::SetXoffLimit).Default(1024);
}

void TRsBuffers::Change(const TValues& Values)
{
    if (Values == F)
        return;
    StoreAndNotify(F, Values, [this] { Changed(); });
}

void TRsBuffers::Set(int TValues::*Field, int Value)
{
    TValues values = F;
    values.*Field = Value;
    Change(values);
}

void TRsBuffers::SetReadSize(int Value) { Set(&TValues::ReadSize, Value); }
void TRsBuffers::SetWriteSize(int Value) { Set(&TValues::WriteSize, Value); }
void TRsBuffers::SetXonLimit(int Value) { Set(&TValues::XonLimit, Value); }
void TRsBuffers::SetXoffLimit(int Value) { Set(&TValues::XoffLimit, Value); }

void TRsBuffers::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TRsBuffers*>(Source);
    if (!source) {
        TRsPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    StoreAndNotify(F, source->F, [this] { EndUpdate(); });
}
