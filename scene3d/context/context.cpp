#include "scene3d/context/context.h"

#include <algorithm>
#include <exception>

#include "platform/rtl/appexceptions.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/context/contexthandles.h"
#include "scene3d/context/contextmanager.h"
#include "scene3d/context/firstfailure.h"
#include "scene3d/context/suspendedcontext.h"

namespace {

T3DContext* Current = nullptr;

} // namespace

T3DContext* CurrentContext()
{
    return Current;
}

T3DContext::T3DContext(std::shared_ptr<T3DContextManager> Manager) : FManager(std::move(Manager))
{
    FManager->RegisterContext(this);
}

T3DContext::~T3DContext()
{
    try {
        FManager->UnregisterContext(this);
    } catch (...) {
        ApplicationHandleException(this);
    }
}

void T3DContext::DestroyContextOnFree() noexcept
{
    if (!HasNativeContext())
        return;
    try {
        DestroyContext();
    } catch (...) {
        ApplicationHandleException(this);
    }
}

void T3DContext::CheckInactive() const
{
    if (FActivationCount > 0)
        throw E3DContext("Cannot alter an active context");
}

void T3DContext::SetColorBits(int Value)
{
    SetFormat(FColorBits, Value);
}

void T3DContext::SetAlphaBits(int Value)
{
    SetFormat(FAlphaBits, Value);
}

void T3DContext::SetDepthBits(int Value)
{
    SetFormat(FDepthBits, Value);
}

void T3DContext::SetStencilBits(int Value)
{
    SetFormat(FStencilBits, Value);
}

void T3DContext::SetAccumBits(int Value)
{
    SetFormat(FAccumBits, Value);
}

void T3DContext::SetAuxBuffers(int Value)
{
    SetFormat(FAuxBuffers, Value);
}

void T3DContext::SetOptions(T3DContextOptions Value)
{
    SetFormat(FOptions, Value);
}

void T3DContext::SetAntiAliasing(T3DAntiAliasing Value)
{
    SetFormat(FAntiAliasing, Value);
}

void T3DContext::CreateContext(TOutputDevice Device)
{
    if (HasNativeContext())
        throw E3DContext("Context already created");
    FAcceleration = T3DContextAcceleration::Unknown;
    CreateNativeContext(Device);
    Created();
}

void T3DContext::CreateMemoryContext(TOutputDevice Device, int Width, int Height, int BufferCount)
{
    if (HasNativeContext())
        throw E3DContext("Context already created");
    FAcceleration = T3DContextAcceleration::Unknown;
    CreateNativeMemoryContext(Device, Width, Height, BufferCount);
    Created();
}

void T3DContext::Created()
{
    FSharingGroup.push_back(this);
    FManager->NativeContextCreated();
}

void T3DContext::ShareLists(T3DContext& Other)
{
    if (!HasNativeContext())
        throw E3DContext("Context not created");
    if (std::find(FSharingGroup.begin(), FSharingGroup.end(), &Other) != FSharingGroup.end())
        return;
    ShareNativeLists(Other);
    FSharingGroup.push_back(&Other);
    SetGroupOfMembers();
}

// Every other member holds this context's group.
void T3DContext::SetGroupOfMembers()
{
    for (T3DContext* member : FSharingGroup)
        if (member != this)
            member->FSharingGroup = FSharingGroup;
}

void T3DContext::DestroyContext()
{
    // Every step runs even when one before it fails; the first failure is
    // raised at the end.
    std::exception_ptr failure;
    TSuspendedContext suspended(this);
    try {
        Activate();
        HandOverOrFreeHandles(failure);
        try {
            FManager->NativeContextDestroyed();
        } catch (...) {
            KeepFirst(failure);
        }
        LeaveSharingGroup();
        SetActive(false);
        DestroyNativeContext();
    } catch (...) {
        KeepFirst(failure);
    }
    FAcceleration = T3DContextAcceleration::Unknown;
    try {
        suspended.Resume();
    } catch (...) {
        KeepFirst(failure);
    }
    if (failure)
        std::rethrow_exception(failure);
}

// The owned handles go to another member of the group, last first; with no
// member left their GL objects are freed.
void T3DContext::HandOverOrFreeHandles(std::exception_ptr& Failure)
{
    const auto heir = std::find_if(FSharingGroup.begin(), FSharingGroup.end(),
                                   [this](const T3DContext* member) { return member != this; });
    std::vector<T3DContextHandle*> handles;
    handles.swap(FOwnedHandles);
    for (auto handle = handles.rbegin(); handle != handles.rend(); ++handle) {
        if (heir != FSharingGroup.end()) {
            (*heir)->FOwnedHandles.push_back(*handle);
            (*handle)->FOwner = *heir;
            continue;
        }
        try {
            (*handle)->FreeWithOwner();
        } catch (...) {
            KeepFirst(Failure);
        }
    }
}

void T3DContext::LeaveSharingGroup()
{
    std::erase(FSharingGroup, this);
    SetGroupOfMembers();
    FSharingGroup.clear();
}

void T3DContext::Activate()
{
    if (FActivationCount == 0) {
        if (!HasNativeContext())
            throw E3DContext("Context not created");
        ActivateNative();
        Current = this;
    } else {
        EngineAssert(Current == this);
    }
    ++FActivationCount;
}

void T3DContext::Deactivate()
{
    if (FActivationCount == 0)
        throw E3DContext("Unbalanced context activations");
    EngineAssert(Current == this);
    if (FActivationCount == 1) {
        if (!HasNativeContext())
            throw E3DContext("Context not created");
        DeactivateNative();
        Current = nullptr;
    }
    --FActivationCount;
}

void T3DContext::SetActive(bool Value)
{
    while (Active() != Value) {
        if (Value)
            Activate();
        else
            Deactivate();
    }
}
