#include "scene3d/context/contextmanager.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "scene3d/context/context.h"
#include "scene3d/context/firstfailure.h"

namespace {

std::vector<T3DContextClass>& ContextClasses()
{
    static std::vector<T3DContextClass> classes;
    return classes;
}

// The process's manager, terminated when the library unloads.
class TProcessManager {
public:
    TProcessManager() : FManager(T3DContextManager::Create().weak_from_this()) {}
    TProcessManager(const TProcessManager&) = delete;
    TProcessManager& operator=(const TProcessManager&) = delete;
    ~TProcessManager()
    {
        if (T3DContextManager* manager = Manager())
            manager->Terminate();
    }
    T3DContextManager* Manager() const
    {
        const std::shared_ptr<T3DContextManager> manager = FManager.lock();
        return manager && !manager->Terminated() ? manager.get() : nullptr;
    }

private:
    std::weak_ptr<T3DContextManager> FManager;
};

const TProcessManager ProcessManager;

} // namespace

void RegisterContextClass(T3DContextClass Class)
{
    ContextClasses().push_back(std::move(Class));
}

T3DContextManager& T3DContextManager::Create()
{
    std::shared_ptr<T3DContextManager> manager(new T3DContextManager);
    manager->FSelf = manager;
    return *manager;
}

std::unique_ptr<T3DContext> T3DContextManager::CreateContext()
{
    const std::vector<T3DContextClass>& classes = ContextClasses();
    return classes.empty() ? nullptr : classes.front()(shared_from_this());
}

void T3DContextManager::Terminate()
{
    std::shared_ptr<T3DContextManager> self;
    {
        const std::lock_guard guard(FLock);
        FTerminated = true;
        self = std::move(FSelf);
    }
    // Frees the manager here unless a registered context still holds it.
}

bool T3DContextManager::Terminated() const
{
    const std::lock_guard guard(FLock);
    return FTerminated;
}

int T3DContextManager::CreatedCount() const
{
    const std::lock_guard guard(FLock);
    return FCreatedCount;
}

void T3DContextManager::QueueNotification(std::function<void()> Notification)
{
    const std::lock_guard guard(FLock);
    FNotifications.push_back(std::move(Notification));
}

void T3DContextManager::RegisterContext(T3DContext* Context)
{
    const std::lock_guard guard(FLock);
    if (std::find(FContexts.begin(), FContexts.end(), Context) != FContexts.end())
        throw E3DContext("Invalid context registration");
    FContexts.push_back(Context);
}

void T3DContextManager::UnregisterContext(T3DContext* Context)
{
    const std::lock_guard guard(FLock);
    const auto found = std::find(FContexts.begin(), FContexts.end(), Context);
    if (found == FContexts.end())
        throw E3DContext("Invalid context registration");
    FContexts.erase(found);
}

void T3DContextManager::NativeContextCreated()
{
    const std::lock_guard guard(FLock);
    ++FCreatedCount;
}

void T3DContextManager::NativeContextDestroyed()
{
    {
        const std::lock_guard guard(FLock);
        if (--FCreatedCount != 0)
            return;
    }
    // All of them run, last queued first, each taken off the queue before it
    // runs; the first failure is raised after the last.
    std::exception_ptr failure;
    for (;;) {
        std::function<void()> notification;
        {
            const std::lock_guard guard(FLock);
            if (FNotifications.empty())
                break;
            notification = std::move(FNotifications.back());
            FNotifications.pop_back();
        }
        try {
            notification();
        } catch (...) {
            KeepFirst(failure);
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

T3DContextManager* ContextManager()
{
    return ProcessManager.Manager();
}
