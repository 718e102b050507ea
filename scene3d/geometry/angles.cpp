#include "scene3d/geometry/angles.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double DegreesPerRadian = 180 / std::numbers::pi;
constexpr float SingleRadiansPerDegree = 0.017453292f;

}  // namespace

double DegreesToRadians(double degrees)
{
    return degrees * (std::numbers::pi / 180);
}

float DegreesToRadians(float degrees)
{
    return float(double(degrees) * SingleRadiansPerDegree);
}

float RadiansToDegrees(float radians)
{
    return float(radians * DegreesPerRadian);
}

float NormalizeDegAngle(float angle)
{
    double result = angle - std::trunc(angle / 360.0) * 360;
    if (result > 180)
        result -= 360;
    else if (result < -180)
        result += 360;
    return float(result);
}

void SinCos(double theta, double& sine, double& cosine)
{
    sine = std::sin(theta);
    cosine = std::cos(theta);
}

void SinCos(float theta, float& sine, float& cosine)
{
    SinCos(theta, 1.0f, sine, cosine);
}

void SinCos(float theta, float radius, float& sine, float& cosine)
{
    double s;
    double c;
    SinCos(double(theta), s, c);
    sine = float(s * radius);
    cosine = float(c * radius);
}

float ArcCos(float x)
{
    return float(std::atan2(std::sqrt(1 - double(x) * x), double(x)));
}

float ArcTan2(float y, float x)
{
    return float(std::atan2(double(y), double(x)));
}

float Tan(float x)
{
    return float(std::tan(double(x)));
}
