#pragma once
// The base of shaders: what a library material runs before, after or
// instead of its material, possibly over several passes. A shader keeps
// per-context resources, made by DoInitialize the first time it is applied
// with a context current and freed by DoFinalize (with that context current
// again) when the shader changes or goes.
//
// A descendant whose DoInitialize made something calls FinalizeShader in its
// own destructor: the base destructor can no longer reach DoFinalize.
#include <vector>

#include "platform/rtl/typeinfo.h"
#include "scene3d/base/updateable.h"
#include "scene3d/context/contexthandles.h"

class T3DLibMaterial;
struct TRenderContextInfo;

// When the shader runs, fixed by its class.
enum T3DShaderStyle { shsBeforeMaterial, shsAfterMaterial, shsReplaceMaterial };
LT_ENUM_INFO(T3DShaderStyle, shsBeforeMaterial, shsAfterMaterial, shsReplaceMaterial)

class T3DShader : public T3DUpdateAbleComponent {
    LT_CLASS(T3DShader)
public:
    // Frees the context resources it can without the descendant and leaves
    // every library material that uses it without a shader.
    ~T3DShader() override;

    T3DShaderStyle ShaderStyle() const { return FShaderStyle; }

    // Changing it while the shader is applied raises "Shader is active." as
    // an assertion failure; a change is reported.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool ShaderActive() const { return FShaderActive; }

    // Applying an applied shader or reverting one that is not raises
    // "Unbalanced shader application." as an assertion failure. A disabled
    // shader is only marked; an enabled one initialises its resources
    // first if needed, then runs DoApply.
    void Apply(TRenderContextInfo& Rci, TObject* Sender);
    // True when the object is to be drawn again (the shader stays applied
    // for that pass); a disabled shader never asks.
    bool UnApply(TRenderContextInfo& Rci);

    // While updating, changes are not reported.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    // Outside an update: every library material using the shader hears of
    // it (the last to start using it first), then the context resources
    // are freed.
    void NotifyChange(TObject* Sender) override;
    // Runs DoFinalize when DoInitialize ran.
    void FinalizeShader();

    // The library materials that use the shader (SetShader keeps the list).
    void RegisterUser(T3DLibMaterial* User);
    void UnregisterUser(T3DLibMaterial* User);
    const std::vector<T3DLibMaterial*>& Users() const { return FUsers; }

protected:
    T3DShader(TComponent* AOwner, T3DShaderStyle Style);

    virtual void DoInitialize() = 0;
    virtual void DoApply(TRenderContextInfo& Rci, TObject* Sender) = 0;
    // Whether the object is to be drawn again.
    virtual bool DoUnApply(TRenderContextInfo& Rci) = 0;
    virtual void DoFinalize() = 0;

private:
    const T3DShaderStyle FShaderStyle;
    bool FEnabled = true;
    bool FShaderActive = false;
    int FUpdateCount = 0;
    T3DVirtualHandle FVirtualHandle;
    std::vector<T3DLibMaterial*> FUsers;
};
