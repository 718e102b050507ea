#pragma once
// A client of a port: while attached and active it receives the port's event
// masks and the received bytes (the port then reads them itself and raises
// OnRxBuf instead of OnRxChar).
#include "platform/rtl/object.h"
#include "serial/rstypes.h"

class TRsCustomComm;

class TRsCommClient : public TObject {
public:
    TRsCommClient() = default;
    TRsCommClient(const TRsCommClient&) = delete;
    TRsCommClient& operator=(const TRsCommClient&) = delete;
    // Detaches from its port.
    ~TRsCommClient() override;

    TRsCustomComm* Comm() const { return FComm; }
    bool Active() const { return FActive; }
    void SetActive(bool Value) { FActive = Value; }

    virtual void CommEvent(uint32_t Mask) = 0;
    virtual void ReceiveData(PRsData Data, int Count) = 0;

private:
    friend class TRsCustomComm;
    TRsCustomComm* FComm = nullptr;
    bool FActive = true;
};
