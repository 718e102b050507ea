#pragma once
// Threads and the hand-over of work to the main thread (the thread of the Qt
// application object, whose event loop runs the program):
//   TThreadPriority  the priority levels of a thread;
//   TThread          a thread that runs one function at a priority and is
//                    joined when it is freed;
//   TSynchronizer    runs code on the main thread for a background thread,
//                    waiting for it (Synchronize) or not (Queue), and lets its
//                    owner cancel what is still pending before it frees what
//                    that code touches.
#include <sys/types.h>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/rtl/typeinfo.h"

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };
LT_ENUM_INFO(TThreadPriority, tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical)

// True on the thread of the application object; false elsewhere and when no
// application object exists.
bool IsMainThread();

class TThread {
public:
    // Starts Execute on a new thread and returns once the thread runs at
    // Priority; a Name (up to 15 characters) is what the system's list of
    // threads shows.
    explicit TThread(std::function<void()> Execute, TThreadPriority Priority = tpNormal, std::string Name = {});
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;
    // Waits for the thread to end.
    ~TThread();

    TThreadPriority Priority() const;
    // Takes effect at once, also on a running thread. Priorities are nice
    // values of the thread: without the privilege to raise them, a priority
    // above tpNormal leaves the thread at the process's own level.
    void SetPriority(TThreadPriority Value);
    // Waits for the thread to end; returns at once when it has been waited for.
    void WaitFor();

private:
    void Run(const std::function<void()>& Execute);
    void ApplyPriority();

    mutable std::mutex FLock;
    std::condition_variable FStarted;
    TThreadPriority FPriority;
    pid_t FThreadId = 0;   // the kernel's id while the thread runs; 0 before, -1 after
    int FBaseNice = 0;     // the process's nice value when the thread started
    std::thread FThread;
};

struct TSyncChannel;

class TSynchronizer {
public:
    // Must be created on the main thread; raises EInvalidOperation when no
    // application object exists or when called on another thread.
    TSynchronizer();
    TSynchronizer(const TSynchronizer&) = delete;
    TSynchronizer& operator=(const TSynchronizer&) = delete;
    // Cancels.
    ~TSynchronizer();

    // Runs Proc on the main thread and waits until it has run; on the main
    // thread it runs at once. An exception leaving Proc goes to the
    // application's exception handler. Returns false when the synchronizer was
    // cancelled before Proc finished: Proc then never runs, or it is the code
    // that cancelled and is still running on the main thread.
    bool Synchronize(std::function<void()> Proc);
    // Runs Proc on the main thread later, in the order of the calls, without
    // waiting; dropped when the synchronizer is cancelled before it runs.
    void Queue(std::function<void()> Proc);
    // From the main thread: drops queued calls, releases threads waiting in
    // Synchronize, and makes later calls return at once without running.
    void Cancel();
    bool Cancelled() const;

private:
    std::shared_ptr<TSyncChannel> FChannel;
};
