#pragma once
// Handles, events and locks of the port's threads. A TRsEvent is a
// manual-reset event on an event handle of platform/comm, so a thread can
// wait for it with poll beside the device.
#include <cstdint>
#include <mutex>

enum TRsWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };

class TRsHandleObject {
public:
    TRsHandleObject(const TRsHandleObject&) = delete;
    TRsHandleObject& operator=(const TRsHandleObject&) = delete;
    // Closes the handle.
    virtual ~TRsHandleObject();

    int Handle() const { return FHandle; }
    // The system error of the last failed wait.
    int LastError() const { return FLastError; }
    // Waits until the handle is readable; Milliseconds < 0 waits without limit.
    // wrAbandoned when the handle hung up or was closed under the wait.
    TRsWaitResult WaitFor(int Milliseconds);

protected:
    explicit TRsHandleObject(int Handle) : FHandle(Handle) {}

private:
    int FHandle;
    int FLastError = 0;
};

class TRsEvent : public TRsHandleObject {
public:
    void SetEvent();
    void ResetEvent();

protected:
    // Raises ERsCommError when the system has no event handle left.
    TRsEvent();
};

// Manual reset, not signalled when created, without a name.
class TRsWaitEvent : public TRsEvent {
public:
    TRsWaitEvent() = default;
};

// A lock; also usable with std::unique_lock and std::condition_variable_any.
class TRsCriticalSection {
public:
    void Enter() { FMutex.lock(); }
    void Leave() { FMutex.unlock(); }
    void lock() { Enter(); }
    void unlock() { Leave(); }

private:
    std::mutex FMutex;
};
