#include "scene3d/objects/lines.h"

#include <algorithm>
#include <memory>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/storechange.h"
#include "scene3d/geometry/vectorlerp.h"
#include "scene3d/lists/cubicspline.h"
#include "scene3d/materials/color.h"
#include "scene3d/objects/linesnodes.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/publishsceneobject.h"

LT_IMPLEMENT_CLASS(T3DLines, T3DNodedLines)
{
    PublishSceneObjectProperties(P);
    P.Property("Hint", &T3DLines::Hint, &T3DLines::SetHint);
    P.Property("Division", &T3DLines::Division, &T3DLines::SetDivision).Default(10);
    P.Property("SplineMode", &T3DLines::SplineMode, &T3DLines::SetSplineMode).Default(lsmLines);
    P.Property("Options", &T3DLines::Options, &T3DLines::SetOptions).Default(0);
}

namespace {

// Division within 1 .. what keeps Stretches x Division + 1 points within
// the curve limit.
int CurveDivision(int Division, int Stretches)
{
    return std::clamp(Division, 1, std::max(1, (T3DLines::MaxCurvePoints - 1) / Stretches));
}

} // namespace

T3DLines::T3DLines(TComponent* AOwner) : T3DNodedLines(AOwner) {}

void T3DLines::SetDivision(int Value)
{
    if (StoreChange(FDivision, Value))
        ListInvalidated();
}

void T3DLines::SetSplineMode(TLineSplineMode Value)
{
    if (StoreChange(FSplineMode, Value))
        ListInvalidated();
}

void T3DLines::SetOptions(TLinesOptions Value)
{
    if (StoreChange(FOptions, Value))
        ListInvalidated();
}

void T3DLines::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const T3DLines*>(Source)) {
        FDivision = source->FDivision;
        FSplineMode = source->FSplineMode;
        FOptions = source->FOptions;
    }
    T3DNodedLines::Assign(Source);
}

std::vector<TLineVertex> T3DLines::LineVertices() const
{
    const int count = Nodes()->Count();
    if (count < 2)
        return {};
    const bool nodeColours = FOptions.Contains(loUseNodeColorForLines);
    std::vector<TLineVertex> nodes;
    nodes.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const T3DLinesNode* node = Nodes()->Items(i);
        nodes.push_back({node->AsPoint(), nodeColours ? node->Color()->Color() : LineColor()->Color()});
    }
    switch (FSplineMode) {
    case lsmLines:
        return nodes;
    case lsmSegments:
        nodes.resize(nodes.size() & ~std::size_t(1));
        return nodes;
    case lsmCubicSpline:
        return CubicSplineVertices(nodes, CurveDivision(FDivision, count - 1));
    case lsmBezierSpline:
        return BezierCurve(nodes, CurveDivision(FDivision, (count + BezierFullNodes - 1) / BezierFullNodes) + 1);
    case lsmNURBSCurve: {
        const int division = CurveDivision(FDivision, count - 1);
        return BSplineCurve(nodes, (count - 1) * division + 1);
    }
    }
    return {};
}

std::vector<TLineVertex> T3DLines::CubicSplineVertices(const std::vector<TLineVertex>& NodeVertices, int Division) const
{
    const std::unique_ptr<TCubicSpline> spline = Nodes()->BuildCubicSpline();
    const int last = static_cast<int>(NodeVertices.size()) - 1;
    std::vector<TLineVertex> points;
    points.reserve(static_cast<std::size_t>(last * Division + 1));
    for (int i = 0; i <= last * Division; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(Division);
        TLineVertex& point = points.emplace_back();
        spline->SplineXYZ(t, point.Position.X, point.Position.Y, point.Position.Z);
        point.Position.W = 1;
        const int stretch = std::min(i / Division, last - 1);
        point.Color = VectorLerp(NodeVertices[static_cast<std::size_t>(stretch)].Color,
                                 NodeVertices[static_cast<std::size_t>(stretch + 1)].Color,
                                 t - static_cast<float>(stretch));
    }
    return points;
}

void T3DLines::CompileList(TRenderContextInfo& Rci)
{
    const std::vector<TLineVertex> vertices = LineVertices();
    if (!vertices.empty()) {
        const TLineStyle style(*this);
        GL.glBegin(FSplineMode == lsmSegments ? GL_LINES : GL_LINE_STRIP);
        for (const TLineVertex& vertex : vertices) {
            GL.glColor4fv(&vertex.Color.X);
            GL.glVertex3fv(&vertex.Position.X);
        }
        GL.glEnd();
    }
    DrawNodes(Rci);
}
