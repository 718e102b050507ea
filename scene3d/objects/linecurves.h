#pragma once
// The curves a line object draws through its nodes, sampled: each point
// blends the nodes' positions and colours with the same weights.
#include <vector>

#include "scene3d/geometry/vectortypes.h"

struct TLineVertex {
    TVector Position;
    TVector Color;
};

// The Bézier curve with Controls as its control points at Samples (at least
// 2) evenly spaced parameters from 0 to 1. Each point costs one pass over
// the controls.
std::vector<TLineVertex> BezierCurve(const std::vector<TLineVertex>& Controls, int Samples);
// The B-spline of degree min(3, number of controls - 1) over a clamped
// uniform knot vector, every weight 1: it starts at the first control, ends
// at the last and is C2 between. Samples (at least 2) evenly spaced
// parameters over the whole curve.
std::vector<TLineVertex> BSplineCurve(const std::vector<TLineVertex>& Controls, int Samples);
