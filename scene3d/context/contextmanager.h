#pragma once
// The manager of the rendering contexts of the process: the list of all
// contexts, the count of native contexts created, and notifications queued
// to run when the last native context goes. Context classes of the window
// systems register themselves; the manager makes contexts of the first one.
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class T3DContext;
class T3DContextManager;

// Makes a context of one window system's class, registered with Manager.
using T3DContextClass = std::function<std::unique_ptr<T3DContext>(std::shared_ptr<T3DContextManager> Manager)>;

// Adds a context class to the process's list (a window system's binding
// calls it when its library loads).
void RegisterContextClass(T3DContextClass Class);

class T3DContextManager : public std::enable_shared_from_this<T3DContextManager> {
public:
    // A new manager. It keeps itself alive until Terminate, and every context
    // registered with it keeps it alive too.
    static T3DContextManager& Create();

    T3DContextManager(const T3DContextManager&) = delete;
    T3DContextManager& operator=(const T3DContextManager&) = delete;

    // A new context of the first registered context class, or nullptr when
    // no class is registered.
    std::unique_ptr<T3DContext> CreateContext();

    // Ends the manager: it is freed at once when no context is registered,
    // else when the last registered context is freed.
    void Terminate();
    bool Terminated() const;

    // The native contexts created and not destroyed.
    int CreatedCount() const;
    // Queues a notification that runs when the last native context is
    // destroyed; queued notifications run last first.
    void QueueNotification(std::function<void()> Notification);

private:
    friend class T3DContext;

    T3DContextManager() = default;

    // Raise "Invalid context registration" for a context already listed
    // (or, unregistering, not listed).
    void RegisterContext(T3DContext* Context);
    void UnregisterContext(T3DContext* Context);
    void NativeContextCreated();
    // Runs the queued notifications when this was the last native context.
    void NativeContextDestroyed();

    mutable std::mutex FLock;
    std::vector<T3DContext*> FContexts;
    int FCreatedCount = 0;
    std::vector<std::function<void()>> FNotifications;
    bool FTerminated = false;
    std::shared_ptr<T3DContextManager> FSelf;
};

// The manager of the process, made when the engine's library loads and
// terminated when it unloads; nullptr once terminated.
T3DContextManager* ContextManager();
