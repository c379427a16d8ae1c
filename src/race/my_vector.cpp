#include "race/my_vector.h"

#include <cmath>

namespace {
constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
}

TMyVector TMyVector::Create(double x, double y, double z) {
  TMyVector v;
  v.SetXYZ(x, y, z);
  return v;
}

TMyVector& TMyVector::SetXYZ(double x, double y, double z) {
  X = x;
  Y = y;
  Z = z;
  return *this;
}

TMyVector& TMyVector::Set(const TMyVector& v) { return SetXYZ(v.X, v.Y, v.Z); }

TMyVector& TMyVector::Add(const TMyVector* v) {
  if (v) SetXYZ(X + v->X, Y + v->Y, Z + v->Z);
  return *this;
}

TMyVector& TMyVector::Sub(const TMyVector* v) {
  if (v) SetXYZ(X - v->X, Y - v->Y, Z - v->Z);
  return *this;
}

TMyVector& TMyVector::SubXYZ(double x, double y, double z) { return SetXYZ(X - x, Y - y, Z - z); }
TMyVector& TMyVector::Mul(double d) { return SetXYZ(X * d, Y * d, Z * d); }
TMyVector& TMyVector::Div(double d) { return Mul(1.0 / d); }
TMyVector& TMyVector::Normalize() { return Mul(1.0 / GetLength()); }

TMyVector& TMyVector::CrossPV(const TMyVector* v) {
  if (!v) return *this;
  return SetXYZ(Y * v->Z - Z * v->Y, Z * v->X - X * v->Z, X * v->Y - Y * v->X);
}

TMyVector& TMyVector::RotateAroundX(double degrees) {
  const double c = std::cos(degrees * kDegToRad), s = std::sin(degrees * kDegToRad);
  return SetXYZ(X, Y * c - Z * s, Z * c + Y * s);
}

TMyVector& TMyVector::RotateAroundY(double degrees) {
  const double c = std::cos(degrees * kDegToRad), s = std::sin(degrees * kDegToRad);
  return SetXYZ(X * c + Z * s, Y, Z * c - X * s);
}

TMyVector& TMyVector::RotateAroundZ(double degrees) {
  const double c = std::cos(degrees * kDegToRad), s = std::sin(degrees * kDegToRad);
  return SetXYZ(X * c - Y * s, Y * c + X * s, Z);
}

TMyVector& TMyVector::RotateAroundV(const TMyVector& axis, double degrees) {
  const double c = std::cos(degrees * kDegToRad), s = std::sin(degrees * kDegToRad), t = 1.0 - c;
  const double ux = axis.X, uy = axis.Y, uz = axis.Z;
  const double nx = (t * ux * ux + c) * X + (t * ux * uy - s * uz) * Y + (t * ux * uz + s * uy) * Z;
  const double ny = (t * ux * uy + s * uz) * X + (t * uy * uy + c) * Y + (t * uy * uz - s * ux) * Z;
  const double nz = (t * ux * uz - s * uy) * X + (t * uy * uz + s * ux) * Y + (t * uz * uz + c) * Z;
  return SetXYZ(nx, ny, nz);
}

double TMyVector::GetDotPV(const TMyVector* v) const { return v ? X * v->X + Y * v->Y + Z * v->Z : 0.0; }
double TMyVector::GetLength() const { return std::sqrt(GetLengthSqr()); }
double TMyVector::GetLengthSqr() const { return X * X + Y * Y + Z * Z; }
