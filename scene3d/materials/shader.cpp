#include "scene3d/materials/shader.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/materials/libmaterial.h"

namespace {

const char* const UnbalancedApplication = "Unbalanced shader application.";

} // namespace

LT_IMPLEMENT_CLASS(T3DShader, T3DUpdateAbleComponent)
{
    P.Property("Enabled", &T3DShader::Enabled, &T3DShader::SetEnabled).Default(1);
}

T3DShader::T3DShader(TComponent* AOwner, T3DShaderStyle Style) : T3DUpdateAbleComponent(AOwner), FShaderStyle(Style)
{
    FVirtualHandle.SetOnAllocate([this](TObject*, GLuint& Handle) {
        DoInitialize();
        Handle = 1;
    });
    FVirtualHandle.SetOnDestroy([this](TObject*, GLuint&) { DoFinalize(); });
}

T3DShader::~T3DShader()
{
    // DoFinalize belongs to the descendant, which is gone already.
    FVirtualHandle.SetOnDestroy(nullptr);
    while (!FUsers.empty())
        FUsers.back()->SetShader(nullptr);
}

void T3DShader::SetEnabled(bool Value)
{
    EngineAssert(!FShaderActive, "Shader is active.");
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    NotifyChange(this);
}

void T3DShader::Apply(TRenderContextInfo& Rci, TObject* Sender)
{
    EngineAssert(!FShaderActive, UnbalancedApplication);
    if (FEnabled) {
        if (FVirtualHandle.Handle() == 0)
            FVirtualHandle.AllocateHandle();
        DoApply(Rci, Sender);
    }
    FShaderActive = true;
}

bool T3DShader::UnApply(TRenderContextInfo& Rci)
{
    EngineAssert(FShaderActive, UnbalancedApplication);
    if (!FEnabled) {
        FShaderActive = false;
        return false;
    }
    FShaderActive = DoUnApply(Rci);
    return FShaderActive;
}

void T3DShader::EndUpdate()
{
    EngineAssert(FUpdateCount > 0);
    --FUpdateCount;
}

void T3DShader::NotifyChange(TObject*)
{
    if (FUpdateCount > 0)
        return;
    const std::vector<T3DLibMaterial*> users = FUsers;
    for (auto user = users.rbegin(); user != users.rend(); ++user)
        (*user)->NotifyUsers();
    FinalizeShader();
}

void T3DShader::FinalizeShader()
{
    FVirtualHandle.DestroyHandle();
}

void T3DShader::RegisterUser(T3DLibMaterial* User)
{
    if (std::find(FUsers.begin(), FUsers.end(), User) == FUsers.end())
        FUsers.push_back(User);
}

void T3DShader::UnregisterUser(T3DLibMaterial* User)
{
    std::erase(FUsers, User);
}
