#include "scene3d/objects/directopengl.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/storechange.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/scene/publishsceneobject.h"

LT_IMPLEMENT_CLASS(T3DDirectOpenGL, T3DImmaterialSceneObject)
{
    PublishSceneObjectProperties(P);
    P.Property("Hint", &T3DDirectOpenGL::Hint, &T3DDirectOpenGL::SetHint);
    P.Property("UseBuildList", &T3DDirectOpenGL::UseBuildList, &T3DDirectOpenGL::SetUseBuildList).Default(0);
    P.Property("OnRender", &T3DDirectOpenGL::OnRender, &T3DDirectOpenGL::SetOnRender);
    P.Property("Blend", &T3DDirectOpenGL::Blend, &T3DDirectOpenGL::SetBlend).Default(0);
}

T3DDirectOpenGL::T3DDirectOpenGL(TComponent* AOwner) : T3DImmaterialSceneObject(AOwner)
{
    SetObjectStyle({sfDirectDraw, sfAltersColorsOrWinding});
}

void T3DDirectOpenGL::SetUseBuildList(bool Value)
{
    if (!StoreChange(FUseBuildList, Value))
        return;
    TSceneObjectStyleFlags style = ObjectStyle();
    if (FUseBuildList)
        style.Exclude(sfDirectDraw);
    else
        style.Include(sfDirectDraw);
    SetObjectStyle(style);
    ListInvalidated();
}

void T3DDirectOpenGL::SetOnRender(TDirectRenderEvent Value)
{
    FOnRender = std::move(Value);
    ListInvalidated();
}

void T3DDirectOpenGL::SetBlend(bool Value)
{
    if (StoreChange(FBlend, Value))
        NotifyChange(this);
}

void T3DDirectOpenGL::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const T3DDirectOpenGL*>(Source)) {
        SetUseBuildList(source->FUseBuildList);
        SetBlend(source->FBlend);
        SetOnRender(source->FOnRender);
    }
    T3DImmaterialSceneObject::Assign(Source);
}

void T3DDirectOpenGL::CompileList(TRenderContextInfo& Rci)
{
    SetTexCoordMain();
    if (FOnRender)
        FOnRender(this, Rci);
}
