#include "scene3d/objects/proxyobject.h"

#include <optional>
#include <utility>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/storechange.h"
#include "scene3d/behaviours/behaviourcollections.h"
#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/modelviewpush.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/scene/publishsceneobject.h"

LT_IMPLEMENT_CLASS(T3DProxyObject, T3DBaseSceneObject)
{
    PublishSceneObjectProperties(P);
    P.Property("MasterObject", &T3DProxyObject::MasterObject, &T3DProxyObject::SetMasterObject);
    P.Property("ProxyOptions", &T3DProxyObject::ProxyOptions, &T3DProxyObject::SetProxyOptions)
        .Default(static_cast<int64_t>(AllProxyObjectOptions.Bits()));
}

namespace {

// Value holds NewValue for as long as this lives, then its old value again.
template <class T>
class TTemporaryValue {
public:
    TTemporaryValue(T& Value, T NewValue) : FValue(Value), FSaved(std::exchange(Value, std::move(NewValue))) {}
    ~TTemporaryValue() { FValue = std::move(FSaved); }
    TTemporaryValue(const TTemporaryValue&) = delete;
    TTemporaryValue& operator=(const TTemporaryValue&) = delete;

private:
    T& FValue;
    T FSaved;
};

// V as a direction through the transpose of M's upper 3 x 3 block: what
// carries a normal back where M carries points and directions there.
TAffineVector TransposedTransform(const TAffineVector& V, const TMatrix& M)
{
    TAffineVector result;
    for (int row = 0; row < 3; ++row)
        result[row] = V.X * M[row][0] + V.Y * M[row][1] + V.Z * M[row][2];
    return result;
}

} // namespace

T3DProxyObject::T3DProxyObject(TComponent* AOwner) : T3DBaseSceneObject(AOwner)
{
    SetObjectStyle({sfAltersColorsOrWinding});
}

void T3DProxyObject::SetMasterObject(T3DBaseSceneObject* Value)
{
    if (Value == FMasterObject.Get())
        return;
    FMasterObject.Set(Value);
    NotifyChange(this);
}

void T3DProxyObject::SetProxyOptions(T3DProxyObjectOptions Value)
{
    if (StoreChange(FProxyOptions, Value))
        NotifyChange(this);
}

void T3DProxyObject::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const T3DProxyObject*>(Source)) {
        SetMasterObject(source->MasterObject());
        SetProxyOptions(source->FProxyOptions);
    }
    T3DBaseSceneObject::Assign(Source);
}

TMatrix T3DProxyObject::ToMasterWorld() const
{
    const TMatrix& masterFrame = FProxyOptions.Contains(pooTransformation) ? FMasterObject->ParentAbsoluteMatrix()
                                                                           : FMasterObject->AbsoluteMatrix();
    return MatrixMultiply(InvAbsoluteMatrix(), masterFrame);
}

TVector T3DProxyObject::GetHalfExtents() const
{
    if (!FMasterObject || FAsking)
        return T3DBaseSceneObject::GetHalfExtents();
    const TTemporaryValue asking(FAsking, true);
    return FMasterObject->GetHalfExtents();
}

bool T3DProxyObject::IntersectRay(const TVector& RayStart, const TVector& RayVector, TVector* IntersectPoint,
                                  TVector* IntersectNormal) const
{
    if (!FMasterObject || FAsking)
        return T3DBaseSceneObject::IntersectRay(RayStart, RayVector, IntersectPoint, IntersectNormal);
    const TTemporaryValue asking(FAsking, true);
    const TMatrix there = ToMasterWorld();
    TVector point;
    TVector normal;
    if (!FMasterObject->IntersectRay(VectorTransform(PointMake(AffineVectorMake(RayStart)), there),
                                     VectorTransform(DirectionMake(AffineVectorMake(RayVector)), there), &point,
                                     &normal))
        return false;
    if (IntersectPoint) {
        TMatrix back = there;
        InvertMatrix(back);
        *IntersectPoint = VectorTransform(point, back);
    }
    if (IntersectNormal)
        *IntersectNormal = DirectionMake(VectorNormalize(TransposedTransform(AffineVectorMake(normal), there)));
    return true;
}

std::unique_ptr<T3DSilhouette> T3DProxyObject::BuildSilhouette(const TSilhouetteParameters& Parameters) const
{
    if (!FMasterObject || FAsking)
        return T3DBaseSceneObject::BuildSilhouette(Parameters);
    const TTemporaryValue asking(FAsking, true);
    return FMasterObject->BuildSilhouette(Parameters);
}

void T3DProxyObject::DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren)
{
    if (FDrawing)
        return;
    const TTemporaryValue drawing(FDrawing, true);
    if (RenderSelf && FMasterObject && FProxyOptions.Contains(pooObjects)) {
        const TTemporaryValue pushNames(Rci.PushNames, true);
        std::optional<TModelViewPush> placed;
        if (FProxyOptions.Contains(pooTransformation)) {
            placed.emplace();
            GL.glMultMatrixf(&FMasterObject->LocalMatrix()[0].X);
        }
        FMasterObject->DrawObject(Rci, true, FMasterObject->GetChildCount() > 0);
    }
    if (RenderChildren)
        DrawChildren(0, GetChildCount() - 1, Rci);
    if (FProxyOptions.Contains(pooEffects) && FMasterObject && FMasterObject->HasEffects()) {
        T3DObjectEffects* effects = FMasterObject->Effects();
        for (int i = 0; i < effects->Count(); ++i)
            effects->Effect(i)->PostRender(Rci);
    }
}
