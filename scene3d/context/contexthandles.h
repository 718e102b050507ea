#pragma once
// Handles of GL objects that belong to a rendering context: a display list,
// a texture, or anything the owner allocates through events. A handle takes
// the context current when it is allocated as its owner; when the owner is
// destroyed the handle passes to another member of its sharing group, or
// its GL object is freed with the last member.
#include <GL/gl.h>

#include <functional>

#include "platform/rtl/object.h"

class T3DContext;

class T3DContextHandle : public TObject {
public:
    T3DContextHandle(const T3DContextHandle&) = delete;
    T3DContextHandle& operator=(const T3DContextHandle&) = delete;

    // The GL name; 0 for none.
    GLuint Handle() const { return FHandle; }
    // The context that owns the GL object; nullptr without one.
    T3DContext* RenderingContext() const { return FOwner; }

    // Allocates the GL object in the current context. The handle must have
    // none yet and a context must be current (assertions).
    void AllocateHandle();
    // Frees the GL object (nothing without one). When the owner is neither
    // current nor shares with the current context, the owner is made current
    // for it and the context current before is current again afterwards,
    // also when freeing fails.
    void DestroyHandle();

protected:
    T3DContextHandle() = default;

    // A new GL name; 0 when none could be had.
    virtual GLuint DoAllocateHandle() = 0;
    // Frees the GL object named Handle(), with a context of the owner's
    // sharing group current.
    virtual void DoDestroyHandle() = 0;
    // For a subclass's destructor: DestroyHandle, its errors handed to the
    // application's exception handler.
    void DestroyHandleOnFree() noexcept;

private:
    friend class T3DContext;

    // The owner's sharing group is ending: frees the GL object with the
    // owner current and forgets both.
    void FreeWithOwner();
    void Forget();

    GLuint FHandle = 0;
    T3DContext* FOwner = nullptr;
};

// A display list (glGenLists).
class T3DListHandle final : public T3DContextHandle {
public:
    T3DListHandle() = default;
    ~T3DListHandle() override;

protected:
    GLuint DoAllocateHandle() override;
    void DoDestroyHandle() override;
};

// A texture object (glGenTextures).
class T3DTextureHandle final : public T3DContextHandle {
public:
    T3DTextureHandle() = default;
    ~T3DTextureHandle() override;

protected:
    GLuint DoAllocateHandle() override;
    void DoDestroyHandle() override;
};

// Sender, and the handle: set by an OnAllocate handler, given to OnDestroy.
using T3DVirtualHandleEvent = std::function<void(TObject* Sender, GLuint& Handle)>;

// A GL object of the owner's own kind: OnAllocate makes it (no handler: no
// object), OnDestroy frees it.
class T3DVirtualHandle final : public T3DContextHandle {
public:
    T3DVirtualHandle() = default;
    ~T3DVirtualHandle() override;

    const T3DVirtualHandleEvent& OnAllocate() const { return FOnAllocate; }
    void SetOnAllocate(T3DVirtualHandleEvent Value) { FOnAllocate = std::move(Value); }
    const T3DVirtualHandleEvent& OnDestroy() const { return FOnDestroy; }
    void SetOnDestroy(T3DVirtualHandleEvent Value) { FOnDestroy = std::move(Value); }

protected:
    GLuint DoAllocateHandle() override;
    void DoDestroyHandle() override;

private:
    T3DVirtualHandleEvent FOnAllocate;
    T3DVirtualHandleEvent FOnDestroy;
};
