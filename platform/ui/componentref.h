#pragma once
// A reference to a component that the holder does not own (an image list, a
// popup menu, a focus control): it turns to nullptr by itself when the
// component is freed, and can tell the holder so.
#include <functional>
#include <memory>

#include "platform/rtl/component.h"

// Watches one component through the free-notification protocol.
class TComponentWatch final : public TComponent {
public:
    TComponentWatch() : TComponent(nullptr) {}
    ~TComponentWatch() override { SetTarget(nullptr); }

    TComponent* Target() const { return FTarget; }
    void SetTarget(TComponent* Value)
    {
        if (Value == FTarget)
            return;
        if (FTarget)
            RemoveFreeNotification(FTarget);
        FTarget = Value;
        if (Value)
            FreeNotification(Value);
    }
    void SetOnFreed(std::function<void()> Value) { FOnFreed = std::move(Value); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == FTarget) {
            FTarget = nullptr;
            if (FOnFreed)
                FOnFreed();
        }
    }

private:
    TComponent* FTarget = nullptr;
    std::function<void()> FOnFreed;
};

template <class T>
class TComponentRef {
public:
    TComponentRef() : FWatch(std::make_unique<TComponentWatch>()) {}

    T* Get() const { return static_cast<T*>(FWatch->Target()); }
    void Set(T* Value) { FWatch->SetTarget(Value); }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }
    // Called after the component was freed and the reference cleared.
    void SetOnFreed(std::function<void()> Value) { FWatch->SetOnFreed(std::move(Value)); }

private:
    std::unique_ptr<TComponentWatch> FWatch;
};
