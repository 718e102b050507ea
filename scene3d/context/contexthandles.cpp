#include "scene3d/context/contexthandles.h"

#include <algorithm>
#include <exception>

#include "platform/rtl/appexceptions.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/context/context.h"
#include "scene3d/context/firstfailure.h"
#include "scene3d/context/suspendedcontext.h"
#include "scene3d/opengl/glerrors.h"
#include "scene3d/opengl/openglapi.h"

namespace {

// Whether the GL objects of Owner can be freed in the current context.
bool OwnerReachable(const T3DContext* Owner)
{
    const T3DContext* current = CurrentContext();
    if (!current)
        return false;
    const std::vector<T3DContext*>& group = current->SharingGroup();
    return current == Owner || std::find(group.begin(), group.end(), Owner) != group.end();
}

} // namespace

void T3DContextHandle::AllocateHandle()
{
    EngineAssert(FHandle == 0);
    T3DContext* current = CurrentContext();
    EngineAssert(current != nullptr);
    FHandle = DoAllocateHandle();
    if (FHandle == 0)
        return;
    FOwner = current;
    current->FOwnedHandles.push_back(this);
}

void T3DContextHandle::DestroyHandle()
{
    if (FHandle == 0)
        return;
    T3DContext* const owner = FOwner;
    std::erase(owner->FOwnedHandles, this);
    std::exception_ptr failure;
    if (OwnerReachable(owner)) {
        try {
            DoDestroyHandle();
        } catch (...) {
            KeepFirst(failure);
        }
    } else {
        TSuspendedContext suspended(nullptr);
        try {
            owner->Activate();
            try {
                DoDestroyHandle();
            } catch (...) {
                KeepFirst(failure);
            }
            owner->Deactivate();
        } catch (...) {
            KeepFirst(failure);
        }
        try {
            suspended.Resume();
        } catch (...) {
            KeepFirst(failure);
        }
    }
    Forget();
    if (failure)
        std::rethrow_exception(failure);
}

void T3DContextHandle::DestroyHandleOnFree() noexcept
{
    try {
        DestroyHandle();
    } catch (...) {
        ApplicationHandleException(this);
    }
}

void T3DContextHandle::FreeWithOwner()
{
    try {
        DoDestroyHandle();
    } catch (...) {
        Forget();
        throw;
    }
    Forget();
}

void T3DContextHandle::Forget()
{
    FHandle = 0;
    FOwner = nullptr;
}

T3DListHandle::~T3DListHandle()
{
    DestroyHandleOnFree();
}

GLuint T3DListHandle::DoAllocateHandle()
{
    return GL.glGenLists(1);
}

void T3DListHandle::DoDestroyHandle()
{
    DiscardGLErrors();
    GL.glDeleteLists(Handle(), 1);
    RaiseGLErrors();
}

T3DTextureHandle::~T3DTextureHandle()
{
    DestroyHandleOnFree();
}

GLuint T3DTextureHandle::DoAllocateHandle()
{
    GLuint name = 0;
    GL.glGenTextures(1, &name);
    return name;
}

void T3DTextureHandle::DoDestroyHandle()
{
    GL.glGetError();   // one error left over from before is not ours
    const GLuint name = Handle();
    if (GL.glIsTexture(name))
        GL.glDeleteTextures(1, &name);
    RaiseGLErrors();
}

T3DVirtualHandle::~T3DVirtualHandle()
{
    DestroyHandleOnFree();
}

GLuint T3DVirtualHandle::DoAllocateHandle()
{
    GLuint handle = 0;
    if (FOnAllocate)
        FOnAllocate(this, handle);
    return handle;
}

void T3DVirtualHandle::DoDestroyHandle()
{
    DiscardGLErrors();
    GLuint handle = Handle();
    if (FOnDestroy)
        FOnDestroy(this, handle);
    RaiseGLErrors();
}
