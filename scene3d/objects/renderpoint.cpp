#include "scene3d/objects/renderpoint.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/scene/publishsceneobject.h"

LT_IMPLEMENT_CLASS(T3DRenderPoint, T3DImmaterialSceneObject)
{
    PublishSceneObjectProperties(P);
    P.Property("Hint", &T3DRenderPoint::Hint, &T3DRenderPoint::SetHint);
}

T3DRenderPoint::T3DRenderPoint(TComponent* AOwner) : T3DImmaterialSceneObject(AOwner)
{
    SetObjectStyle({sfDirectDraw, sfAltersColorsOrWinding});
}

T3DRenderPoint::~T3DRenderPoint()
{
    Clear();
}

void T3DRenderPoint::RegisterCallback(TDirectRenderEvent Render, TNotifyEvent Freed)
{
    FCallbacks.emplace_back(std::move(Render), std::move(Freed));
    NotifyChange(this);
}

void T3DRenderPoint::Clear()
{
    while (!FCallbacks.empty()) {
        const TNotifyEvent freed = std::move(FCallbacks.back().second);
        FCallbacks.pop_back();
        if (freed)
            freed(this);
    }
}

void T3DRenderPoint::CompileList(TRenderContextInfo& Rci)
{
    // By index, and each handler called from a copy: a handler may register
    // another pair, which moves the list.
    for (std::size_t i = 0; i < FCallbacks.size(); ++i)
        if (const TDirectRenderEvent render = FCallbacks[i].first)
            render(this, Rci);
}
