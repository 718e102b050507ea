#include "scene3d/objects/nodedlines.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/storechange.h"
#include "scene3d/materials/color.h"
#include "scene3d/objects/linesnodes.h"
#include "scene3d/objects/nodemarkers.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/axes.h"

LT_IMPLEMENT_CLASS(T3DNodedLines, T3DLineBase)
{
    P.Property("NodeColor", &T3DNodedLines::NodeColor);
    P.Property("Nodes", &T3DNodedLines::Nodes);
    P.Property("NodesAspect", &T3DNodedLines::NodesAspect, &T3DNodedLines::SetNodesAspect).Default(lnaAxes);
    P.Property("NodeSize", &T3DNodedLines::NodeSize, &T3DNodedLines::SetNodeSize).DefaultFloat(1);
}

T3DNodedLines::T3DNodedLines(TComponent* AOwner)
    : T3DLineBase(AOwner),
      FNodeColor(std::make_unique<T3DColor>(this, TVector{0, 0, 1, 1}, nullptr)),
      FNodes(std::make_unique<T3DLinesNodes>(this))
{
}

T3DNodedLines::~T3DNodedLines() = default;

void T3DNodedLines::SetNodeColor(const T3DColor* Value)
{
    if (Value != FNodeColor.get())
        FNodeColor->Assign(Value);
}

void T3DNodedLines::SetNodes(const T3DLinesNodes* Value)
{
    FNodes->Assign(Value);
}

void T3DNodedLines::SetNodesAspect(TLineNodesAspect Value)
{
    if (StoreChange(FNodesAspect, Value))
        ListInvalidated();
}

void T3DNodedLines::SetNodeSize(float Value)
{
    if (StoreChange(FNodeSize, Value))
        ListInvalidated();
}

void T3DNodedLines::NotifyChange(TObject* Sender)
{
    if (Sender == FNodes.get())
        ListInvalidated();
    else
        T3DLineBase::NotifyChange(Sender);
}

void T3DNodedLines::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const T3DNodedLines*>(Source)) {
        FNodeColor->SetColorSilently(source->FNodeColor->Color());
        FNodes->Assign(source->FNodes.get());
        FNodesAspect = source->FNodesAspect;
        FNodeSize = source->FNodeSize;
    }
    T3DLineBase::Assign(Source);
}

TVector T3DNodedLines::GetHalfExtents() const
{
    if (FNodes->Count() == 0)
        return T3DLineBase::GetHalfExtents();
    const float marker = std::abs(FNodeSize) / 2;
    TVector extents = {0, 0, 0, 0};
    for (int i = 0; i < FNodes->Count(); ++i) {
        const T3DLinesNode* node = FNodes->Items(i);
        extents.X = std::max(extents.X, std::abs(node->X()) + marker);
        extents.Y = std::max(extents.Y, std::abs(node->Y()) + marker);
        extents.Z = std::max(extents.Z, std::abs(node->Z()) + marker);
    }
    return extents;
}

void T3DNodedLines::DrawNodes(const TRenderContextInfo& Rci) const
{
    if (FNodesAspect == lnaInvisible)
        return;
    GL.glPushAttrib(GL_CURRENT_BIT | GL_LIGHTING_BIT | GL_ENABLE_BIT);
    GL.glDisable(GL_LIGHTING);
    GL.glColor4fv(&FNodeColor->Color().X);
    for (int i = 0; i < FNodes->Count(); ++i) {
        const T3DLinesNode* node = FNodes->Items(i);
        GL.glPushMatrix();
        GL.glTranslatef(node->X(), node->Y(), node->Z());
        switch (FNodesAspect) {
        case lnaAxes:
            DrawAxes(Rci, FNodeSize / 2);
            break;
        case lnaCube:
            DrawCubeMarker(FNodeSize);
            break;
        case lnaDodecahedron:
            DrawDodecahedronMarker(FNodeSize);
            break;
        case lnaInvisible:
            break;
        }
        GL.glPopMatrix();
    }
    GL.glPopAttrib();
}
