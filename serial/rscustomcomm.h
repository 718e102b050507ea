#pragma once
// The port component: one serial device with its line settings and option
// groups. Open makes the line binary, configures it and starts an event
// thread (when events are watched) that reads received bytes ahead into the
// input queue, and a write thread (unless DirectWrite) that drains the output
// queue; the threads hand their events to the main thread, where every event
// handler runs, one hand-over carrying every event that came meanwhile. Open,
// Close, the setters, reads and writes belong to the main thread. Once the
// device hangs up or fails, writes return 0 until the port is opened again.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/comm/commstate.h"
#include "platform/comm/serialdevice.h"
#include "platform/rtl/component.h"
#include "platform/rtl/threads.h"
#include "serial/rsinputqueue.h"
#include "serial/rsobjects.h"
#include "serial/rsoptions.h"
#include "serial/rstypes.h"

class TRsCommClient;
class TRsCommEventThread;
class TRsCommWriteThread;
class TRsDisplay;

// The device of port n is DeviceName with "%d" replaced by n.
inline constexpr const char* RsDefaultDeviceName = "/dev/ttyS%d";

class TRsComponent : public TComponent {
    LT_CLASS(TRsComponent)
public:
    explicit TRsComponent(TComponent* AOwner) : TComponent(AOwner) {}
};

class TRsCustomComm : public TRsComponent {
    LT_CLASS(TRsCustomComm)
public:
    explicit TRsCustomComm(TComponent* AOwner);
    // Closes the port (without OnClose) and detaches the clients.
    ~TRsCustomComm() override;

    // Opens the device, sets the line and starts the threads; raises
    // ERsCommError and stays closed when any step fails.
    void Open();
    // Stops and joins the threads and closes the device; nothing when closed.
    void Close();
    bool IsOpen() const { return FDevice.IsOpen(); }

    // Bytes accepted into the output queue, or written in DirectWrite mode;
    // 0 when closed or when the device has hung up or failed.
    int WriteBuf(const void* Buffer, int Count);
    // True when all of S was accepted (an empty S always is).
    bool WriteText(const std::string& S);
    // Bytes read from what has been received (the input queue first, then
    // the device), at most Count; never waits.
    int ReadBuf(void* Buffer, int Count);
    // S becomes everything received and not yet read.
    void ReadText(std::string& S);
    // Bytes received and not yet read; 0 when closed.
    int InQueueCount();
    // The line errors (CE_ bits) since the last call and the queue counts;
    // both zero when closed.
    void GetStatus(uint32_t& Errors, TComStat& Stat);
    // Fires OnError when line errors were pending; whether they were.
    bool CheckErrors();

    void UpdateDisplay();
    // Clients receive the event masks and, instead of OnRxChar, the data.
    void AttachClient(TRsCommClient* Client);
    void DetachClient(TRsCommClient* Client);
    // Last attached first.
    void DetachClients();
    bool ClientsEnabled() const { return FClientsEnabled; }
    void SetClientsEnabled(bool Value) { FClientsEnabled = Value; }
    int ClientCount() const { return static_cast<int>(FClients.size()); }

    // The device path: DeviceName with the first "%d" replaced by PortNum.
    std::string FormatDeviceName() const;
    // The port events watched while open, computed by Open.
    uint32_t EventMask() const { return FEventMask; }
    // The device's file descriptor while open, else -1.
    int Handle() const { return FDevice.Handle(); }

    bool AutoOpen() const { return FAutoOpen; }
    void SetAutoOpen(bool Value) { FAutoOpen = Value; }
    TRsBaudrate Baudrate() const { return FBaudrate; }
    void SetBaudrate(TRsBaudrate Value);
    TRsParity Parity() const { return FParity; }
    void SetParity(TRsParity Value);
    TRsDatabits Databits() const { return FDatabits; }
    void SetDatabits(TRsDatabits Value);
    TRsStopbits Stopbits() const { return FStopbits; }
    void SetStopbits(TRsStopbits Value);
    TRsEventChars* EventChars() const { return FEventChars.get(); }
    void SetEventChars(const TRsEventChars* Value) { FEventChars->Assign(Value); }
    TRsFlowControl* FlowControl() const { return FFlowControl.get(); }
    void SetFlowControl(const TRsFlowControl* Value) { FFlowControl->Assign(Value); }
    TRsCommOptions Options() const { return FOptions; }
    void SetOptions(TRsCommOptions Value);
    int PortNum() const { return FPortNum; }
    void SetPortNum(int Value);
    const std::string& DeviceName() const { return FDeviceName; }
    void SetDeviceName(const std::string& Value);
    TRsCommEvents MonitorEvents() const { return FMonitorEvents; }
    void SetMonitorEvents(TRsCommEvents Value);
    TRsBuffers* Buffers() const { return FBuffers.get(); }
    void SetBuffers(const TRsBuffers* Value);
    TThreadPriority EventPriority() const { return FEventPriority; }
    void SetEventPriority(TThreadPriority Value);
    TThreadPriority WritePriority() const { return FWritePriority; }
    void SetWritePriority(TThreadPriority Value);
    bool DirectWrite() const { return FDirectWrite; }
    void SetDirectWrite(bool Value);
    bool UpdateDCB() const { return FUpdateDCB; }
    void SetUpdateDCB(bool Value);
    int UserBaudrate() const { return FUserBaudrate; }
    void SetUserBaudrate(int Value);
    TRsDisplay* Display() const { return FDisplay; }
    void SetDisplay(TRsDisplay* Value);

    const TNotifyEvent& OnOpen() const { return FOnOpen; }
    void SetOnOpen(TNotifyEvent Value) { FOnOpen = std::move(Value); }
    const TNotifyEvent& OnClose() const { return FOnClose; }
    void SetOnClose(TNotifyEvent Value) { FOnClose = std::move(Value); }
    const TNotifyEvent& OnCts() const { return FOnCts; }
    void SetOnCts(TNotifyEvent Value) { FOnCts = std::move(Value); }
    const TNotifyEvent& OnDsr() const { return FOnDsr; }
    void SetOnDsr(TNotifyEvent Value) { FOnDsr = std::move(Value); }
    const TNotifyEvent& OnRlsd() const { return FOnRlsd; }
    void SetOnRlsd(TNotifyEvent Value) { FOnRlsd = std::move(Value); }
    const TNotifyEvent& OnRing() const { return FOnRing; }
    void SetOnRing(TNotifyEvent Value) { FOnRing = std::move(Value); }
    const TNotifyEvent& OnBreak() const { return FOnBreak; }
    void SetOnBreak(TNotifyEvent Value) { FOnBreak = std::move(Value); }
    const TNotifyEvent& OnRxFlag() const { return FOnRxFlag; }
    void SetOnRxFlag(TNotifyEvent Value) { FOnRxFlag = std::move(Value); }
    const TNotifyEvent& OnTxEmpty() const { return FOnTxEmpty; }
    void SetOnTxEmpty(TNotifyEvent Value) { FOnTxEmpty = std::move(Value); }
    const TNotifyEvent& OnPErr() const { return FOnPErr; }
    void SetOnPErr(TNotifyEvent Value) { FOnPErr = std::move(Value); }
    const TNotifyEvent& OnRx80Full() const { return FOnRx80Full; }
    void SetOnRx80Full(TNotifyEvent Value) { FOnRx80Full = std::move(Value); }
    const TNotifyEvent& OnEvent1() const { return FOnEvent1; }
    void SetOnEvent1(TNotifyEvent Value) { FOnEvent1 = std::move(Value); }
    const TNotifyEvent& OnEvent2() const { return FOnEvent2; }
    void SetOnEvent2(TNotifyEvent Value) { FOnEvent2 = std::move(Value); }
    const TRsCommErrorEvent& OnError() const { return FOnError; }
    void SetOnError(TRsCommErrorEvent Value) { FOnError = std::move(Value); }
    const TRsCommRxCharEvent& OnRxChar() const { return FOnRxChar; }
    void SetOnRxChar(TRsCommRxCharEvent Value) { FOnRxChar = std::move(Value); }
    const TRsCommRxBufEvent& OnRxBuf() const { return FOnRxBuf; }
    void SetOnRxBuf(TRsCommRxBufEvent Value) { FOnRxBuf = std::move(Value); }

protected:
    virtual void CreateHandle();
    virtual void CreateThreads();
    // Received bytes: to the clients through DoRxBuf when there are any,
    // else OnRxChar with the count, leaving the reading to the handler.
    virtual void DoRxChar();
    virtual void DoCommEvents(uint32_t Mask);
    virtual void NotifyClients(uint32_t Mask);
    virtual void DoRxBuf(PRsData Data, int Count);
    // Raises the events of Mask on the main thread: the display, received
    // bytes, then DoCommEvents with the rest.
    void DispatchEvents(uint32_t Mask);

    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Raises "Can't perform this operation while port is open" when open.
    void CheckClosed() const;
    // The line is binary whatever UpdateDCB says: no echo, no line
    // discipline, no character translation.
    void ApplyBinaryLine();
    void ApplyDCB();
    void ApplyBufferSizes();
    void ApplyTimeouts();
    void ApplyEventMask();
    void DestroyHandle();
    void DestroyThreads();
    void DoOpen();
    void DoClose();
    // Raises ERsCommError with Format(Fmt, ErrorCode, its text); Fmt is one
    // of the component's own messages, never text from outside.
    [[noreturn]] static void RaiseCommError(const char* Fmt, int ErrorCode);
    static void CheckComm(int ErrorCode, const char* Fmt);

private:
    friend class TRsCommEventThread;
    friend class TRsCommWriteThread;

    TDCB BuildDCB() const;
    // ApplyDCB; when the line refuses the new settings, Restore puts the old
    // ones back before the error goes on.
    void ApplyOrRestore(const std::function<void()>& Restore);
    void BuffersChanged(TObject* Sender);
    void EventCharsChanged(TObject* Sender);
    void FlowControlChanged(TObject* Sender);
    int DirectWriteBuf(const uint8_t* Buffer, int Count);

    // Shared with the threads.
    // Hands the events of Mask to the main thread; events posted before an
    // earlier hand-over ran go with it.
    void PostEvents(uint32_t Mask);
    // Records the first failure of the device since Open as an I/O error
    // (CE_IOE) for GetStatus; true for that first one, which is reported.
    bool LatchFailure();
    // LatchFailure, and the first failure goes to the main thread as EV_ERR.
    void DeviceFailed();
    // One read of what the device has received into the input queue, as
    // much as fits; whether bytes wait that DoRxChar has not counted yet.
    bool ReadAhead();
    bool InputQueueFull();
    // Whether bytes arrived that DoRxChar has not counted yet.
    bool HasUnreportedInput();
    // The input queue and the device's received bytes; the caller holds the
    // read lock.
    int WaitingLocked(int& Count) const;
    int InputWaiting();

    bool FAutoOpen = false;
    TRsBaudrate FBaudrate = br1200;
    TRsParity FParity = paNone;
    TRsDatabits FDatabits = db8;
    TRsStopbits FStopbits = sb1;
    TRsCommOptions FOptions;
    int FPortNum = 0;
    std::string FDeviceName;
    TRsCommEvents FMonitorEvents{ceError, ceRxChar, ceTxEmpty};
    TThreadPriority FEventPriority = tpNormal;
    TThreadPriority FWritePriority = tpHighest;
    bool FDirectWrite = false;
    bool FUpdateDCB = true;
    int FUserBaudrate = 0;
    TRsDisplay* FDisplay = nullptr;
    bool FDestroying = false;

    std::unique_ptr<TRsBuffers> FBuffers;
    std::unique_ptr<TRsEventChars> FEventChars;
    std::unique_ptr<TRsFlowControl> FFlowControl;
    std::vector<TRsCommClient*> FClients;
    bool FClientsEnabled = true;

    TSerialDevice FDevice;
    uint32_t FEventMask = 0;
    TRsCriticalSection FWriteLock;
    TRsCriticalSection FReadLock;
    std::unique_ptr<TSynchronizer> FSync;
    std::unique_ptr<TRsCommEventThread> FEventThread;
    std::unique_ptr<TRsCommWriteThread> FWriteThread;

    // Line state since Open; the counters under the read lock.
    TLineCounters FStatusCounters;
    bool FHasCounters = false;
    std::atomic<uint32_t> FPendingErrors{0};
    std::atomic<bool> FFailed{false};      // the device hung up or failed: writes are refused
    std::atomic<bool> FTxPending{false};   // a direct write waits to be sent
    std::atomic<uint32_t> FPostedEvents{0};   // events handed to the main thread, not yet raised
    std::unique_ptr<TRsInputQueue> FInput;   // bytes read ahead; under the read lock
    std::atomic<uint64_t> FReadTotal{0};   // bytes read since Open
    std::atomic<uint64_t> FRxReported{0};  // FReadTotal + the count DoRxChar reported

    TNotifyEvent FOnOpen, FOnClose, FOnCts, FOnDsr, FOnRlsd, FOnRing, FOnBreak, FOnRxFlag, FOnTxEmpty, FOnPErr,
        FOnRx80Full, FOnEvent1, FOnEvent2;
    TRsCommErrorEvent FOnError;
    TRsCommRxCharEvent FOnRxChar;
    TRsCommRxBufEvent FOnRxBuf;
};
