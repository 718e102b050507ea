#pragma once
// A rendering context: the engine's wrapper around one OpenGL context of the
// window system. It holds the buffer format asked for, is created on a
// window or on an off-screen buffer, is activated in nested pairs (one
// context is current in the whole process), shares its GL objects with the
// other members of its sharing group and owns the handles (display lists,
// textures) allocated while it was current. This class is the part every
// window system shares; a subclass of it binds one window system.
#include <cstdint>
#include <exception>
#include <memory>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/object.h"
#include "platform/rtl/typeinfo.h"

LT_DECLARE_EXCEPTION(E3DContext, Exception)

class T3DContextHandle;
class T3DContextManager;

// Where a context draws: a native window (an X11 window id); 0 for none.
using TOutputDevice = std::uintptr_t;

enum T3DAntiAliasing { aaDefault, aaNone, aa2x, aa2xHQ, aa4x, aa4xHQ };
LT_ENUM_INFO(T3DAntiAliasing, aaDefault, aaNone, aa2x, aa2xHQ, aa4x, aa4xHQ)
enum T3DContextOption { rcoDoubleBuffered, rcoStereo };
using T3DContextOptions = TSet<T3DContextOption>;
enum class T3DContextAcceleration { Unknown, Hardware, Software };

class T3DContext : public TObject {
public:
    T3DContext(const T3DContext&) = delete;
    T3DContext& operator=(const T3DContext&) = delete;
    // Unregisters from the manager. A subclass destroys its native context
    // in its own destructor (DestroyContextOnFree).
    ~T3DContext() override;

    // The buffer format, used when the context is created. Setting any of
    // them while the context is active raises "Cannot alter an active
    // context" and keeps the old value.
    int ColorBits() const { return FColorBits; }
    void SetColorBits(int Value);
    int AlphaBits() const { return FAlphaBits; }
    void SetAlphaBits(int Value);
    int DepthBits() const { return FDepthBits; }
    void SetDepthBits(int Value);
    int StencilBits() const { return FStencilBits; }
    void SetStencilBits(int Value);
    int AccumBits() const { return FAccumBits; }
    void SetAccumBits(int Value);
    int AuxBuffers() const { return FAuxBuffers; }
    void SetAuxBuffers(int Value);
    T3DContextOptions Options() const { return FOptions; }
    void SetOptions(T3DContextOptions Value);
    T3DAntiAliasing AntiAliasing() const { return FAntiAliasing; }
    void SetAntiAliasing(T3DAntiAliasing Value);

    // Unknown until the native context exists.
    T3DContextAcceleration Acceleration() const { return FAcceleration; }

    // Makes the native context drawing into the window. Raises "Context
    // already created" when one exists.
    void CreateContext(TOutputDevice Device);
    // Makes the native context drawing into an off-screen buffer of
    // Width x Height pixels.
    void CreateMemoryContext(TOutputDevice Device, int Width, int Height, int BufferCount);
    // Puts Other into this context's sharing group (every member then holds
    // the same group). Raises "Context not created" without a native context.
    void ShareLists(T3DContext& Other);
    // Hands the owned handles to another member of the sharing group, or
    // frees their GL objects when none is left, and destroys the native
    // context. The context current before is current again afterwards.
    void DestroyContext();

    // Nested activation: the first Activate makes the context current, the
    // matching last Deactivate leaves no context current. Raises "Context not
    // created" without a native context; a Deactivate without an Activate
    // raises "Unbalanced context activations" and changes nothing.
    void Activate();
    void Deactivate();
    bool Active() const { return FActivationCount > 0; }
    // Activates or deactivates until Active() is Value.
    void SetActive(bool Value);

    virtual bool HasNativeContext() const = 0;
    // Shows the drawn frame: swaps the buffers of a double-buffered window.
    virtual void PresentBuffers() = 0;
    // The window drawn into; 0 for an off-screen context.
    virtual TOutputDevice OutputDevice() const = 0;

    // The members that share GL objects with this one, itself included once
    // created.
    const std::vector<T3DContext*>& SharingGroup() const { return FSharingGroup; }
    T3DContextManager& Manager() const { return *FManager; }

protected:
    // Registers with the manager; "Invalid context registration" when the
    // context is in its list already.
    explicit T3DContext(std::shared_ptr<T3DContextManager> Manager);

    // The window system's part.
    virtual void ActivateNative() = 0;
    virtual void DeactivateNative() = 0;
    virtual void CreateNativeContext(TOutputDevice Device) = 0;
    virtual void CreateNativeMemoryContext(TOutputDevice Device, int Width, int Height, int BufferCount) = 0;
    virtual void ShareNativeLists(T3DContext& Other) = 0;
    virtual void DestroyNativeContext() = 0;

    void SetAcceleration(T3DContextAcceleration Value) { FAcceleration = Value; }
    // For a subclass's destructor: DestroyContext when a native context
    // exists, its errors handed to the application's exception handler.
    void DestroyContextOnFree() noexcept;

private:
    friend class T3DContextHandle;

    void CheckInactive() const;
    template <class T>
    void SetFormat(T& Field, T Value)
    {
        CheckInactive();
        Field = Value;
    }
    void Created();
    void HandOverOrFreeHandles(std::exception_ptr& Failure);
    void LeaveSharingGroup();
    void SetGroupOfMembers();

    int FColorBits = 32;
    int FAlphaBits = 0;
    int FDepthBits = 0;
    int FStencilBits = 0;
    int FAccumBits = 0;
    int FAuxBuffers = 0;
    T3DContextOptions FOptions;
    T3DAntiAliasing FAntiAliasing = aaDefault;
    T3DContextAcceleration FAcceleration = T3DContextAcceleration::Unknown;
    int FActivationCount = 0;
    std::vector<T3DContext*> FSharingGroup;
    std::vector<T3DContextHandle*> FOwnedHandles;
    std::shared_ptr<T3DContextManager> FManager;
};

// The context current in the process; nullptr when none is.
T3DContext* CurrentContext();
