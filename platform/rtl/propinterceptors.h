#pragma once
// Storage property interceptors: stand-ins that receive a component's stored
// property values in place of the component (under the names they publish)
// and apply them to it when the reading of the description ends. One
// interceptor class per target class; an object is read through the one
// registered for its class or, failing that, its nearest ancestor.
#include <functional>
#include <memory>

#include "platform/rtl/persistent.h"

class TStoragePropertyInterceptor : public TPersistent {
    LT_CLASS(TStoragePropertyInterceptor)
public:
    explicit TStoragePropertyInterceptor(TPersistent* ATarget) : FTarget(ATarget) {}
    TPersistent* Target() const { return FTarget; }
    // Whether the stored values of the target go through this interceptor.
    virtual bool WantsIntercept() { return true; }
    // Applies what was read; called once the whole description is read and
    // its references are resolved, before the components' Loaded.
    virtual void AfterRead() {}

private:
    TPersistent* FTarget;
};

using TInterceptorFactory = std::function<std::unique_ptr<TStoragePropertyInterceptor>(TPersistent* Target)>;

// Replaces any interceptor registered for Target.
void RegisterPropertyInterceptor(const TClassInfo& Target, const TClassInfo& Interceptor,
                                 TInterceptorFactory Factory);
// Removes the pair of exactly these two classes.
void UnregisterPropertyInterceptor(const TClassInfo& Target, const TClassInfo& Interceptor);

template <class TTarget, class TInterceptor>
void RegisterPropertyInterceptor()
{
    RegisterPropertyInterceptor(TTarget::StaticClassInfo(), TInterceptor::StaticClassInfo(),
                                [](TPersistent* Target) { return std::make_unique<TInterceptor>(Target); });
}
template <class TTarget, class TInterceptor>
void UnregisterPropertyInterceptor()
{
    UnregisterPropertyInterceptor(TTarget::StaticClassInfo(), TInterceptor::StaticClassInfo());
}

// The interceptor for Target (by its class or nearest registered ancestor);
// nullptr when none is registered.
std::unique_ptr<TStoragePropertyInterceptor> CreatePropertyInterceptor(TPersistent* Target);
