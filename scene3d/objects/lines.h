#pragma once
// Lines through the nodes: a polyline, separate segments, or a curve (the
// natural cubic spline, the Bézier curve or a B-spline) sampled Division
// times per stretch, then the node markers.
#include <vector>

#include "scene3d/objects/linecurves.h"
#include "scene3d/objects/nodedlines.h"

// How the nodes are joined: in turn, by the cubic spline through them, by
// the Bézier curve they control, by the B-spline they control, or pairwise
// (nodes 1-2, 3-4, ...; an odd last node stands alone).
enum TLineSplineMode : int { lsmLines, lsmCubicSpline, lsmBezierSpline, lsmNURBSCurve, lsmSegments };
LT_ENUM_INFO(TLineSplineMode, lsmLines, lsmCubicSpline, lsmBezierSpline, lsmNURBSCurve, lsmSegments)

// loUseNodeColorForLines: each stretch takes the colours of its nodes
// (blended along curves) in place of LineColor.
enum TLinesOption : int { loUseNodeColorForLines };
LT_ENUM_INFO(TLinesOption, loUseNodeColorForLines)
using TLinesOptions = TSet<TLinesOption>;

class T3DLines : public T3DNodedLines {
    LT_CLASS(T3DLines)
public:
    // A curve never takes more points than this, whatever Division asks
    // (a stored description may ask any number): Division is lowered until
    // the curve fits, down to 1.
    static constexpr int MaxCurvePoints = 65536;
    // Each point of the Bézier curve costs a pass over every node: beyond
    // this many nodes the curve takes proportionally fewer points.
    static constexpr int BezierFullNodes = 256;

    explicit T3DLines(TComponent* AOwner);

    // Samples per stretch between two nodes (cubic spline, B-spline), or
    // along the whole curve (Bézier); a value below 1 samples as 1.
    int Division() const { return FDivision; }
    void SetDivision(int Value);
    TLineSplineMode SplineMode() const { return FSplineMode; }
    void SetSplineMode(TLineSplineMode Value);
    TLinesOptions Options() const { return FOptions; }
    void SetOptions(TLinesOptions Value);

    // Division, the mode and the options, then the noded copy.
    void Assign(const TPersistent* Source) override;
    // The points the lines run through, in order, each with its colour:
    // the nodes themselves for lines and segments, (nodes - 1) x Division
    // + 1 samples of the cubic spline or the B-spline, Division + 1 of the
    // Bézier curve, within the limits above. None with fewer than two nodes.
    std::vector<TLineVertex> LineVertices() const;
    // The lines in the line style, then the node markers.
    void CompileList(TRenderContextInfo& Rci) override;

private:
    // The cubic spline through the nodes at Division samples per stretch, the
    // colours of NodeVertices blended linearly along each stretch.
    std::vector<TLineVertex> CubicSplineVertices(const std::vector<TLineVertex>& NodeVertices, int Division) const;

    int FDivision = 10;
    TLineSplineMode FSplineMode = lsmLines;
    TLinesOptions FOptions;
};
