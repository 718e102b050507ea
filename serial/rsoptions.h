#pragma once
// The port's option groups: flow control, the special characters and the
// buffer sizes and time-outs. A setter notifies a change only when the value
// differs (the characters' setter always does); Assign from a group of the
// same class notifies once. When the owner refuses a change (its handler
// raises), the group keeps its old values.
#include <cstdint>

#include "serial/rspersistent.h"
#include "serial/rstypes.h"

class TRsFlowControl : public TRsPersistent {
    LT_CLASS(TRsFlowControl)
public:
    void Assign(const TPersistent* Source) override;

    bool OutCtsFlow() const { return F.OutCtsFlow; }
    void SetOutCtsFlow(bool Value);
    bool OutDsrFlow() const { return F.OutDsrFlow; }
    void SetOutDsrFlow(bool Value);
    TRsControlDtr ControlDtr() const { return F.ControlDtr; }
    void SetControlDtr(TRsControlDtr Value);
    TRsControlRts ControlRts() const { return F.ControlRts; }
    void SetControlRts(TRsControlRts Value);
    bool XonXoffOut() const { return F.XonXoffOut; }
    void SetXonXoffOut(bool Value);
    bool XonXoffIn() const { return F.XonXoffIn; }
    void SetXonXoffIn(bool Value);
    bool DsrSensitivity() const { return F.DsrSensitivity; }
    void SetDsrSensitivity(bool Value);
    bool TxContinueOnXoff() const { return F.TxContinueOnXoff; }
    void SetTxContinueOnXoff(bool Value);

private:
    struct TValues {
        bool OutCtsFlow = false;
        bool OutDsrFlow = false;
        TRsControlDtr ControlDtr = dtrDisabled;
        TRsControlRts ControlRts = rtsDisabled;
        bool XonXoffOut = false;
        bool XonXoffIn = false;
        bool DsrSensitivity = false;
        bool TxContinueOnXoff = false;
        bool operator==(const TValues&) const = default;
    };
    template <class T>
    void Set(T TValues::*Field, T Value);
    void Change(const TValues& Values);
    TValues F;
};

class TRsEventChars : public TRsPersistent {
    LT_CLASS(TRsEventChars)
public:
    void Assign(const TPersistent* Source) override;

    uint8_t XonChar() const { return F.Chars[0]; }
    void SetXonChar(uint8_t Value) { SetEventChar(1, Value); }
    uint8_t XoffChar() const { return F.Chars[1]; }
    void SetXoffChar(uint8_t Value) { SetEventChar(2, Value); }
    uint8_t ErrorChar() const { return F.Chars[2]; }
    void SetErrorChar(uint8_t Value) { SetEventChar(3, Value); }
    uint8_t EventChar() const { return F.Chars[3]; }
    void SetEventChar(uint8_t Value) { SetEventChar(4, Value); }
    uint8_t EofChar() const { return F.Chars[4]; }
    void SetEofChar(uint8_t Value) { SetEventChar(5, Value); }
    // Index 1..5: XonChar, XoffChar, ErrorChar, EventChar, EofChar.
    void SetEventChar(int Index, uint8_t Value);

private:
    struct TValues {
        uint8_t Chars[5] = {17, 19, 0, 0, 0};
    };
    void Change(const TValues& Values);
    TValues F;
};

class TRsBuffers : public TRsPersistent {
    LT_CLASS(TRsBuffers)
public:
    void Assign(const TPersistent* Source) override;

    int ReadSize() const { return F.ReadSize; }
    void SetReadSize(int Value);
    int WriteSize() const { return F.WriteSize; }
    void SetWriteSize(int Value);
    // The time-outs take effect at the next read or write; no notification.
    int ReadTimeout() const { return F.ReadTimeout; }
    void SetReadTimeout(int Value) { F.ReadTimeout = Value; }
    int WriteTimeout() const { return F.WriteTimeout; }
    void SetWriteTimeout(int Value) { F.WriteTimeout = Value; }
    int XonLimit() const { return F.XonLimit; }
    void SetXonLimit(int Value);
    int XoffLimit() const { return F.XoffLimit; }
    void SetXoffLimit(int Value);

private:
    struct TValues {
        int ReadSize = 4096;
        int WriteSize = 2048;
        int ReadTimeout = 1000;
        int WriteTimeout = 1000;
        int XonLimit = 1024;
        int XoffLimit = 1024;
        bool operator==(const TValues&) const = default;
    };
    void Set(int TValues::*Field, int Value);
    void Change(const TValues& Values);
    TValues F;
};
