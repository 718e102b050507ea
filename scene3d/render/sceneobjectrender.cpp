// Drawing scene objects: culling, the model-view matrix, selection names,
// axes and effects around each object, display lists, and the order in
// which children are drawn.
#include <span>

#include "scene3d/base/engineassert.h"
#include "scene3d/behaviours/behaviourcollections.h"
#include "scene3d/context/contexthandles.h"
#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/axes.h"
#include "scene3d/render/listrecording.h"
#include "scene3d/render/modelviewpush.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/render/renderqueue.h"
#include "scene3d/render/selectionnames.h"
#include "scene3d/scene/basesceneobject.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/scene.h"
#include "scene3d/state/statecache.h"

namespace {

// The axes reach as far as the camera of the pass sees; without one there
// is nothing to reach for.
void DrawAxesToDepthOfView(const TRenderContextInfo& Rci)
{
    if (const T3DCamera* camera = Rci.Scene ? Rci.Scene->CurrentCamera() : nullptr)
        DrawAxes(Rci, camera->DepthOfView());
}

} // namespace

void T3DBaseSceneObject::Render(TRenderContextInfo& Rci)
{
    const bool renderSelf = IsInView(Rci);
    const bool renderChildren =
        !FChildren.empty() && (renderSelf || Rci.VisibilityCulling != vcHierarchical);
    if (!renderSelf && !renderChildren)
        return;
    const TModelViewPush placed;
    GL.glMultMatrixf(&LocalMatrix()[0].X);
    const bool picking = Rci.DrawState == rmPicking;
    const bool pushName = picking && Rci.PushNames;
    if (picking) {
        EngineAssert(Rci.SelectionNames != nullptr);
        const GLuint name = Rci.SelectionNames->NameOf(this);
        if (pushName)
            GL.glPushName(name);
        else
            GL.glLoadName(name);
    }
    if (!renderSelf) {
        DrawWithStyle(Rci, false, renderChildren);
    } else {
        if (FShowAxes) {
            Rci.StateCache->SendDeferredDisables();
            DrawAxesToDepthOfView(Rci);
        }
        if (HasEffects()) {
            Rci.StateCache->SendDeferredDisables();
            {
                const TModelViewPush forEffects;
                for (int i = 0; i < FEffects->Count(); ++i)
                    FEffects->Effect(i)->PreRender(Rci);
            }
            const TModelViewPush forObject;
            DrawWithStyle(Rci, true, renderChildren);
            Rci.StateCache->SendDeferredDisables();
            for (int i = 0; i < FEffects->Count(); ++i)
                FEffects->Effect(i)->PostRender(Rci);
        } else {
            DrawWithStyle(Rci, true, renderChildren);
        }
    }
    if (pushName)
        GL.glPopName();
}

bool T3DBaseSceneObject::IsInView(const TRenderContextInfo& Rci) const
{
    switch (Rci.VisibilityCulling) {
    case vcInherited:
    case vcNone:
        return true;
    case vcObjectBased:
        return FObjectStyle.Contains(sfNoVisibilityCulling) ||
               !IsSphereOutside(AffineVectorMake(AbsolutePosition()), BoundingRadius(), Rci.Frustum);
    case vcHierarchical:
        return FObjectStyle.Contains(sfNoVisibilityCulling) ||
               !ArePointsOutside(AbsoluteBoundingBoxCorners(), Rci.Frustum);
    }
    EngineAssert(false, "Unknown visibility culling option");
    return false;
}

void T3DBaseSceneObject::DrawWithStyle(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren)
{
    const bool depthTestOff =
        FObjectStyle.Contains(sfIgnoreDepthBuffer) && Rci.StateCache->IsEnabled(ccDepthTest);
    if (depthTestOff)
        Rci.StateCache->Disable(ccDepthTest);
    DrawObject(Rci, RenderSelf, RenderChildren);
    if (depthTestOff)
        Rci.StateCache->Enable(ccDepthTest);
    if (RenderSelf && FObjectStyle.Contains(sfAltersColorsOrWinding))
        Rci.StateCache->ResetAll();
}

void T3DBaseSceneObject::DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren)
{
    if (RenderSelf)
        DrawSelf(Rci);
    if (RenderChildren)
        DrawChildren(0, GetChildCount() - 1, Rci);
}

void T3DBaseSceneObject::DrawSelf(TRenderContextInfo& Rci)
{
    Rci.StateCache->SendDeferredDisables();
    if (FObjectStyle.Contains(sfDirectDraw) || Rci.Amalgamating)
        CompileList(Rci);
    else
        GL.glCallList(GetListHandle(Rci));
}

GLuint T3DBaseSceneObject::GetListHandle(TRenderContextInfo& Rci)
{
    if (FListHandle && FListHandle->Handle() != 0 && !FChanges.Contains(ocStructure))
        return FListHandle->Handle();
    FChanges.Exclude(ocStructure);
    if (!FListHandle)
        FListHandle = std::make_unique<T3DListHandle>();
    if (FListHandle->Handle() == 0) {
        FListHandle->AllocateHandle();
        EngineAssert(FListHandle->Handle() != 0);
    }
    const TListRecording recording(FListHandle->Handle(), Rci);
    CompileList(Rci);
    return FListHandle->Handle();
}

void T3DBaseSceneObject::DestroyListHandle()
{
    FListHandle.reset();
}

void T3DBaseSceneObject::DestroyHandles()
{
    DestroyListHandle();
    for (T3DBaseSceneObject* child : FChildren)
        child->DestroyHandles();
}

void T3DBaseSceneObject::DrawChildren(int FirstIndex, int LastIndex, TRenderContextInfo& Rci)
{
    if (FChildren.empty())
        return;
    EngineAssert(LastIndex < FirstIndex || (FirstIndex >= 0 && LastIndex < GetChildCount()));
    const T3DVisibilityCulling culling = Rci.VisibilityCulling;
    if (FVisibilityCulling != vcInherited)
        Rci.VisibilityCulling = FVisibilityCulling;
    if (FirstIndex == LastIndex) {
        T3DBaseSceneObject* child = FChildren[static_cast<std::size_t>(FirstIndex)];
        if (child->Visible())
            child->Render(Rci);
    } else if (FirstIndex < LastIndex) {
        const T3DObjectsSorting sorting = Rci.ObjectsSorting;
        if (FObjectsSorting != osInherited)
            Rci.ObjectsSorting = FObjectsSorting;
        DrawSortedChildren(FirstIndex, LastIndex, Rci);
        Rci.ObjectsSorting = sorting;
    }
    Rci.VisibilityCulling = culling;
}

void T3DBaseSceneObject::DrawSortedChildren(int First, int Last, TRenderContextInfo& Rci)
{
    const std::span<T3DBaseSceneObject* const> children =
        std::span(FChildren).subspan(static_cast<std::size_t>(First), static_cast<std::size_t>(Last - First + 1));
    const T3DObjectsSorting sorting = Rci.ObjectsSorting;
    if (sorting == osNone) {
        for (T3DBaseSceneObject* child : children)
            if (child->Visible())
                child->Render(Rci);
        return;
    }
    EngineAssert(sorting == osRenderFarthestFirst || sorting == osRenderBlendedLast ||
                 sorting == osRenderNearestFirst);
    // Queued by squared distance + 1 (positive keys sort as numbers), so
    // the queue runs from the nearest to the farthest.
    if (!FRenderQueue)
        FRenderQueue = std::make_unique<T3DRenderQueue>();
    T3DRenderQueue& queue = *FRenderQueue;
    queue.Start(static_cast<int>(children.size()));
    for (T3DBaseSceneObject* child : children) {
        if (!child->Visible())
            continue;
        if (sorting == osRenderBlendedLast && !child->IsBlended())
            child->Render(Rci);
        else
            queue.Add(child->SqrDistanceTo(Rci.CameraPosition) + 1, child);
    }
    queue.Sort();
    if (sorting == osRenderNearestFirst) {
        for (int i = 0; i < queue.Count(); ++i)
            queue.Object(i)->Render(Rci);
    } else {
        for (int i = queue.Count() - 1; i >= 0; --i)
            queue.Object(i)->Render(Rci);
    }
}
