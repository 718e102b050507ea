#include "scene3d/lists/cubicspline.h"

#include <algorithm>
#include <cmath>

namespace {

// The node derivatives of the natural spline: the tridiagonal system
// 2 D0 + D1 = 3 (y1 - y0), D(i-1) + 4 Di + D(i+1) = 3 (y(i+1) - y(i-1)),
// D(n-2) + 2 D(n-1) = 3 (y(n-1) - y(n-2)), solved by its Cholesky factor.
std::vector<double> Derivatives(const float* Y, int N)
{
    const auto n = static_cast<std::size_t>(N);
    std::vector<double> diagonal(n), lower(n), rhs(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double next = Y[std::min(i + 1, n - 1)];
        const double previous = Y[i == 0 ? 0 : i - 1];
        rhs[i] = 3 * (next - previous);
    }
    diagonal[0] = std::sqrt(2.0);
    for (std::size_t i = 1; i < n; ++i) {
        lower[i] = 1 / diagonal[i - 1];
        diagonal[i] = std::sqrt((i + 1 < n ? 4.0 : 2.0) - lower[i] * lower[i]);
    }
    std::vector<double> d(n);
    d[0] = rhs[0] / diagonal[0];
    for (std::size_t i = 1; i < n; ++i)
        d[i] = (rhs[i] - lower[i] * d[i - 1]) / diagonal[i];
    d[n - 1] /= diagonal[n - 1];
    for (std::size_t i = n - 1; i-- > 0;)
        d[i] = (d[i] - lower[i + 1] * d[i + 1]) / diagonal[i];
    return d;
}

} // namespace

TCubicSpline::TCubicSpline(const float* X, const float* Y, const float* Z, const float* W, int N)
    : FCount(N), FX(Coefficients(X, N)), FY(Coefficients(Y, N)), FZ(Coefficients(Z, N)), FW(Coefficients(W, N))
{
}

TCubicSpline::TAxis TCubicSpline::Coefficients(const float* Values, int N)
{
    if (!Values || N < 2)
        return {};
    const std::vector<double> d = Derivatives(Values, N);
    TAxis axis(static_cast<std::size_t>(N - 1));
    for (std::size_t j = 0; j < axis.size(); ++j) {
        // a + b u + c u^2 + d u^3 with u = t - j, re-expressed in t.
        const double y0 = Values[j];
        const double y1 = Values[j + 1];
        const double a = y0;
        const double b = d[j];
        const double c = 3 * (y1 - y0) - 2 * d[j] - d[j + 1];
        const double e = 2 * (y0 - y1) + d[j] + d[j + 1];
        const double s = static_cast<double>(j);
        axis[j] = {static_cast<float>(e), static_cast<float>(c - 3 * e * s),
                   static_cast<float>(b - 2 * c * s + 3 * e * s * s),
                   static_cast<float>(a - b * s + c * s * s - e * s * s * s)};
    }
    return axis;
}

float TCubicSpline::Evaluate(const TAxis& Axis, float T) const
{
    if (Axis.empty())
        return 0;
    int segment = 0;
    if (T > static_cast<float>(FCount - 1))
        segment = FCount - 1;
    else if (T > 0)
        segment = static_cast<int>(T);
    if (segment >= FCount - 1)
        segment = FCount - 2;
    const TSegment& k = Axis[static_cast<std::size_t>(segment)];
    return ((k[0] * T + k[1]) * T + k[2]) * T + k[3];
}

void TCubicSpline::SplineXYZ(float T, float& X, float& Y, float& Z) const
{
    X = Evaluate(FX, T);
    Y = Evaluate(FY, T);
    Z = Evaluate(FZ, T);
}
