#pragma once
// Angles: conversions between degrees and radians, normalisation of degrees
// and the trigonometric helpers. Angles are in radians unless a name says degrees.

double DegreesToRadians(double degrees);
// With pi/180 as a single (0.017453292).
float DegreesToRadians(float degrees);
float RadiansToDegrees(float radians);
// The same direction in [-180, 180].
float NormalizeDegAngle(float angle);

void SinCos(double theta, double& sine, double& cosine);
void SinCos(float theta, float& sine, float& cosine);
// The sine and cosine times the radius.
void SinCos(float theta, float radius, float& sine, float& cosine);
// atan2(sqrt(1 - x^2), x): NaN outside [-1, 1].
float ArcCos(float x);
float ArcTan2(float y, float x);
float Tan(float x);
