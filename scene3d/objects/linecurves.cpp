#include "scene3d/objects/linecurves.h"

#include <algorithm>
#include <cmath>

#include "scene3d/geometry/vectorlerp.h"

namespace {

TLineVertex Lerp(const TLineVertex& A, const TLineVertex& B, float T)
{
    return {VectorLerp(A.Position, B.Position, T), VectorLerp(A.Color, B.Color, T)};
}

// The Bernstein weights of degree Degree at T (0 < T < 1), from their
// logarithms so that high degrees neither overflow nor lose every weight.
void BernsteinWeights(const std::vector<double>& LogBinomials, double T, std::vector<double>& Weights)
{
    const std::size_t degree = LogBinomials.size() - 1;
    const double logT = std::log(T);
    const double logU = std::log1p(-T);
    double highest = -INFINITY;
    for (std::size_t i = 0; i <= degree; ++i) {
        Weights[i] = LogBinomials[i] + static_cast<double>(i) * logT + static_cast<double>(degree - i) * logU;
        highest = std::max(highest, Weights[i]);
    }
    double sum = 0;
    for (double& w : Weights) {
        w = std::exp(w - highest);
        sum += w;
    }
    for (double& w : Weights)
        w /= sum;
}

} // namespace

std::vector<TLineVertex> BezierCurve(const std::vector<TLineVertex>& Controls, int Samples)
{
    const std::size_t count = Controls.size();
    const double degree = static_cast<double>(count - 1);
    std::vector<double> logBinomials(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double k = static_cast<double>(i);
        logBinomials[i] = std::lgamma(degree + 1) - std::lgamma(k + 1) - std::lgamma(degree - k + 1);
    }
    std::vector<double> weights(count);
    std::vector<TLineVertex> points;
    points.reserve(static_cast<std::size_t>(Samples));
    points.push_back(Controls.front());
    for (int s = 1; s < Samples - 1; ++s) {
        BernsteinWeights(logBinomials, static_cast<double>(s) / (Samples - 1), weights);
        double sum[8] = {};
        for (std::size_t i = 0; i < count; ++i)
            for (int k = 0; k < 4; ++k) {
                sum[k] += weights[i] * Controls[i].Position[k];
                sum[k + 4] += weights[i] * Controls[i].Color[k];
            }
        TLineVertex& point = points.emplace_back();
        for (int k = 0; k < 4; ++k) {
            point.Position[k] = static_cast<float>(sum[k]);
            point.Color[k] = static_cast<float>(sum[k + 4]);
        }
    }
    points.push_back(Controls.back());
    return points;
}

std::vector<TLineVertex> BSplineCurve(const std::vector<TLineVertex>& Controls, int Samples)
{
    const int count = static_cast<int>(Controls.size());
    const int degree = std::min(3, count - 1);
    const int spans = count - degree;
    // Knot J: DEGREE + 1 zeros, then 1, 2, ... up to DEGREE + 1 times SPANS.
    const auto knot = [&](int J) { return static_cast<float>(std::clamp(J - degree, 0, spans)); };
    std::vector<TLineVertex> points;
    points.reserve(static_cast<std::size_t>(Samples));
    TLineVertex d[4];
    for (int s = 0; s < Samples; ++s) {
        const float u = static_cast<float>(spans) * static_cast<float>(s) / static_cast<float>(Samples - 1);
        // The span [knot(k), knot(k + 1)) holding u; the last one holds the end.
        const int k = std::min(degree + static_cast<int>(u), count - 1);
        for (int j = 0; j <= degree; ++j)
            d[j] = Controls[static_cast<std::size_t>(j + k - degree)];
        for (int r = 1; r <= degree; ++r)
            for (int j = degree; j >= r; --j) {
                const float low = knot(j + k - degree);
                const float alpha = (u - low) / (knot(j + 1 + k - r) - low);
                d[j] = Lerp(d[j - 1], d[j], alpha);
            }
        points.push_back(d[degree]);
    }
    return points;
}
