#include "platform/rtl/threads.h"

#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <deque>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>

#include "platform/rtl/appexceptions.h"
#include "platform/rtl/exceptions.h"

bool IsMainThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

// ---------------------------------------------------------------------------
// TThread

namespace {

// Nice values relative to the process's own.
int NiceOffset(TThreadPriority Priority)
{
    switch (Priority) {
    case tpIdle: return 19;
    case tpLowest: return 10;
    case tpLower: return 5;
    case tpNormal: return 0;
    case tpHigher: return -5;
    case tpHighest: return -10;
    case tpTimeCritical: return -20;
    }
    return 0;
}

} // namespace

TThread::TThread(std::function<void()> Execute, TThreadPriority Priority, std::string Name)
    : FPriority(Priority)
{
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, 0);
    FBaseNice = errno == 0 ? nice : 0;
    FThread = std::thread([this, Execute = std::move(Execute)] { Run(Execute); });
    if (!Name.empty())
        pthread_setname_np(FThread.native_handle(), Name.substr(0, 15).c_str());
    std::unique_lock<std::mutex> lock(FLock);
    FStarted.wait(lock, [this] { return FThreadId != 0; });
}

TThread::~TThread()
{
    WaitFor();
}

void TThread::Run(const std::function<void()>& Execute)
{
    {
        const std::lock_guard<std::mutex> guard(FLock);
        FThreadId = gettid();
        ApplyPriority();
    }
    FStarted.notify_all();
    Execute();
    const std::lock_guard<std::mutex> guard(FLock);
    FThreadId = -1;
}

TThreadPriority TThread::Priority() const
{
    const std::lock_guard<std::mutex> guard(FLock);
    return FPriority;
}

void TThread::SetPriority(TThreadPriority Value)
{
    const std::lock_guard<std::mutex> guard(FLock);
    FPriority = Value;
    ApplyPriority();
}

void TThread::ApplyPriority()
{
    if (FThreadId <= 0)
        return;
    const int wanted = std::clamp(FBaseNice + NiceOffset(FPriority), -20, 19);
    if (setpriority(PRIO_PROCESS, static_cast<id_t>(FThreadId), wanted) != 0 && wanted < FBaseNice)
        setpriority(PRIO_PROCESS, static_cast<id_t>(FThreadId), FBaseNice);
}

void TThread::WaitFor()
{
    if (FThread.joinable())
        FThread.join();
}

// ---------------------------------------------------------------------------
// TSynchronizer: calls wait in one queue, drained on the main thread by a
// dispatcher object that an event of the application's loop wakes. All of
// the queue's and channels' state is guarded by one lock.

struct TSyncChannel {
    bool Cancelled = false;
    std::thread::id MainThread;
    std::condition_variable Changed;
};

namespace {

enum class TJobState { Pending, Running, Done, Dropped };

struct TSyncJob {
    std::function<void()> Proc;
    std::shared_ptr<TSyncChannel> Channel;
    TJobState State = TJobState::Pending;
};

struct TSyncQueue {
    std::mutex Lock;
    std::deque<std::shared_ptr<TSyncJob>> Jobs;
    QObject* Dispatcher = nullptr;
    bool Posted = false;   // a wake-up event is on its way to the dispatcher
};

TSyncQueue& SyncQueue()
{
    static TSyncQueue queue;
    return queue;
}

QEvent::Type SyncEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

// Runs a job guarded: what it raises goes to the application's handler.
void RunGuarded(const std::function<void()>& Proc)
{
    try {
        Proc();
    } catch (...) {
        ApplicationHandleException(nullptr);
    }
}

// With the queue locked: asks the dispatcher to run the queued jobs.
void PostWakeUp(TSyncQueue& q)
{
    if (q.Posted || !q.Dispatcher)
        return;
    q.Posted = true;
    QCoreApplication::postEvent(q.Dispatcher, new QEvent(SyncEventType()));
}

class TMainThreadDispatcher : public QObject {
public:
    explicit TMainThreadDispatcher(QObject* Parent) : QObject(Parent) {}

    ~TMainThreadDispatcher() override
    {
        TSyncQueue& q = SyncQueue();
        const std::lock_guard<std::mutex> guard(q.Lock);
        if (q.Dispatcher == this) {
            q.Dispatcher = nullptr;
            q.Posted = false;
        }
    }

protected:
    bool event(QEvent* Event) override
    {
        bool wakeUp;
        {
            // The wake-up was made under this lock on another thread; taking
            // it orders this read after that write for every checker.
            const std::lock_guard<std::mutex> guard(SyncQueue().Lock);
            wakeUp = Event->type() == SyncEventType();
        }
        if (!wakeUp)
            return QObject::event(Event);
        RunQueuedJobs();
        return true;
    }

private:
    // Runs the jobs queued when the wake-up arrived; jobs queued meanwhile
    // get a wake-up of their own, so other events are not starved.
    static void RunQueuedJobs()
    {
        TSyncQueue& q = SyncQueue();
        std::size_t batch;
        {
            const std::lock_guard<std::mutex> guard(q.Lock);
            q.Posted = false;
            batch = q.Jobs.size();
        }
        for (; batch > 0; --batch) {
            std::shared_ptr<TSyncJob> job;
            {
                const std::lock_guard<std::mutex> guard(q.Lock);
                if (q.Jobs.empty())
                    return;
                job = std::move(q.Jobs.front());
                q.Jobs.pop_front();
                job->State = TJobState::Running;
            }
            RunGuarded(job->Proc);
            const std::lock_guard<std::mutex> guard(q.Lock);
            job->State = TJobState::Done;
            job->Channel->Changed.notify_all();
        }
    }
};

} // namespace

TSynchronizer::TSynchronizer()
    : FChannel(std::make_shared<TSyncChannel>())
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        throw EInvalidOperation("No application object to synchronize with");
    if (QThread::currentThread() != app->thread())
        throw EInvalidOperation("A synchronizer must be created on the main thread");
    FChannel->MainThread = std::this_thread::get_id();
    TSyncQueue& q = SyncQueue();
    const std::lock_guard<std::mutex> guard(q.Lock);
    if (!q.Dispatcher)
        q.Dispatcher = new TMainThreadDispatcher(app);
}

TSynchronizer::~TSynchronizer()
{
    Cancel();
}

bool TSynchronizer::Synchronize(std::function<void()> Proc)
{
    TSyncQueue& q = SyncQueue();
    std::unique_lock<std::mutex> lock(q.Lock);
    if (FChannel->Cancelled)
        return false;
    if (std::this_thread::get_id() == FChannel->MainThread) {
        lock.unlock();
        RunGuarded(Proc);
        return true;
    }
    if (!q.Dispatcher)
        return false;
    auto job = std::make_shared<TSyncJob>();
    job->Proc = std::move(Proc);
    job->Channel = FChannel;
    q.Jobs.push_back(job);
    PostWakeUp(q);
    FChannel->Changed.wait(lock, [&] { return job->State == TJobState::Done || FChannel->Cancelled; });
    return job->State == TJobState::Done;
}

void TSynchronizer::Queue(std::function<void()> Proc)
{
    TSyncQueue& q = SyncQueue();
    const std::lock_guard<std::mutex> guard(q.Lock);
    if (FChannel->Cancelled || !q.Dispatcher)
        return;
    auto job = std::make_shared<TSyncJob>();
    job->Proc = std::move(Proc);
    job->Channel = FChannel;
    q.Jobs.push_back(std::move(job));
    PostWakeUp(q);
}

void TSynchronizer::Cancel()
{
    TSyncQueue& q = SyncQueue();
    const std::lock_guard<std::mutex> guard(q.Lock);
    FChannel->Cancelled = true;
    std::erase_if(q.Jobs, [&](const std::shared_ptr<TSyncJob>& job) {
        if (job->Channel != FChannel)
            return false;
        job->State = TJobState::Dropped;
        return true;
    });
    FChannel->Changed.notify_all();
}

bool TSynchronizer::Cancelled() const
{
    TSyncQueue& q = SyncQueue();
    const std::lock_guard<std::mutex> guard(q.Lock);
    return FChannel->Cancelled;
}
