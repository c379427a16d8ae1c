// A three-component vector of doubles; AngleDiff builds its unit headings with it.
#pragma once

class TMyVector {
 public:
  static TMyVector Create(double x, double y, double z);

  TMyVector& SetXYZ(double x, double y, double z);
  TMyVector& Set(const TMyVector& v);
  // Add, Sub and CrossPV leave the vector as it is when v is null.
  TMyVector& Add(const TMyVector* v);
  TMyVector& Sub(const TMyVector* v);
  TMyVector& SubXYZ(double x, double y, double z);
  TMyVector& Mul(double d);
  TMyVector& Div(double d);
  TMyVector& Normalize();
  TMyVector& CrossPV(const TMyVector* v);
  TMyVector& RotateAroundX(double degrees);
  TMyVector& RotateAroundY(double degrees);
  TMyVector& RotateAroundZ(double degrees);
  // Rotates about a unit axis.
  TMyVector& RotateAroundV(const TMyVector& axis, double degrees);
  TMyVector Copy2Vec() const { return *this; }
  // 0 when v is null.
  double GetDotPV(const TMyVector* v) const;
  double GetX() const { return X; }
  double GetY() const { return Y; }
  double GetZ() const { return Z; }
  double GetLength() const;
  double GetLengthSqr() const;
  void SetX(double d) { X = d; }
  void SetY(double d) { Y = d; }
  void SetZ(double d) { Z = d; }

  double X = 0, Y = 0, Z = 0;
};
