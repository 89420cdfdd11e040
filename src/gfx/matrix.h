// 4 x 4 matrices of 16 floats in column-major order (row r, column c at 4c + r).
#pragma once

void MatrixIdentity(float m[16]);
// out := a x b; out must be neither a nor b.
void MatrixMultiply(float out[16], const float a[16], const float b[16]);
// m := the rotation by angle radians about the axis (x, y, z); the identity for a zero axis.
void MatrixRotate(float m[16], float angle, float x, float y, float z);
// Radians per degree, as DegToRad converts angles.
inline constexpr double kRadiansPerDegree = 0.017453291681077746;
double DegToRad(double degrees);
