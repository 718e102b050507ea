#pragma once
// The natural cubic spline through N node values per axis, with the node
// index as parameter (node i at t = i).
#include <array>
#include <vector>

#include "platform/rtl/object.h"

class TCubicSpline : public TObject {
public:
    // Each given array holds N values; a null array, or fewer than two
    // nodes, gives that axis no segments (it evaluates to 0).
    TCubicSpline(const float* X, const float* Y, const float* Z, const float* W, int N);

    // The three axes at the parameter T: T below 0 follows the first segment,
    // T beyond N - 1 the last.
    void SplineXYZ(float T, float& X, float& Y, float& Z) const;

private:
    // Per segment the cubic in the absolute parameter, highest power first.
    using TSegment = std::array<float, 4>;
    using TAxis = std::vector<TSegment>;

    static TAxis Coefficients(const float* Values, int N);
    float Evaluate(const TAxis& Axis, float T) const;

    int FCount;
    TAxis FX, FY, FZ, FW;
};
