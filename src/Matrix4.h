// Vexor Engine: four-component matrix, point and vector for homogeneous 3D math.
#pragma once

class Point4;
class Vector4;

// 16 floats row by row; column vectors multiply on the right. Equality is
// approximate: every element within 1e-5.
class Matrix4 {
 public:
  Matrix4();
  Matrix4(const Matrix4& rhs);
  Matrix4(float mm00, float mm01, float mm02, float mm03, float mm10, float mm11, float mm12, float mm13, float mm20,
          float mm21, float mm22, float mm23, float mm30, float mm31, float mm32, float mm33);
  Matrix4& operator=(const Matrix4& rhs);

  Vector4 operator*(const Vector4& rhs) const;
  Point4 operator*(const Point4& rhs) const;
  Matrix4 operator+(const Matrix4& rhs) const;
  Matrix4 operator-(const Matrix4& rhs) const;
  Matrix4 operator*(const Matrix4& rhs) const;
  Matrix4& operator+=(const Matrix4& rhs);
  Matrix4& operator-=(const Matrix4& rhs);
  Matrix4& operator*=(const Matrix4& rhs);
  Matrix4 operator*(const float rhs) const;
  Matrix4 operator/(const float rhs) const;
  Matrix4& operator*=(const float rhs);
  Matrix4& operator/=(const float rhs);
  bool operator==(const Matrix4& rhs) const;
  bool operator!=(const Matrix4& rhs) const;

  void Zero();
  void Identity();
  void Print() const;

  float m[16];
};

// A position: w is normally 1.
class Point4 {
 public:
  Point4();
  Point4(const Point4& rhs);
  Point4(float xx, float yy, float zz, float ww = 1.0f);
  Point4& operator=(const Point4& rhs);

  Point4 operator-() const;
  Vector4 operator-(const Point4& rhs) const;
  Point4 operator+(const Vector4& rhs) const;
  Point4 operator-(const Vector4& rhs) const;
  Point4& operator+=(const Vector4& rhs);
  Point4& operator-=(const Vector4& rhs);
  bool operator==(const Point4& rhs) const;
  bool operator!=(const Point4& rhs) const;

  void Zero();
  void Print() const;

  float x, y, z, w;
};

// A direction: w is normally 0.
class Vector4 {
 public:
  Vector4();
  Vector4(const Vector4& rhs);
  Vector4(float xx, float yy, float zz, float ww = 0.0f);
  Vector4& operator=(const Vector4& rhs);

  Vector4 operator-() const;
  Vector4 operator+(const Vector4& rhs) const;
  Vector4 operator-(const Vector4& rhs) const;
  Vector4 operator*(const float rhs) const;
  Vector4 operator/(const float rhs) const;
  Vector4& operator+=(const Vector4& rhs);
  Vector4& operator-=(const Vector4& rhs);
  Vector4& operator*=(const float rhs);
  Vector4& operator/=(const float rhs);
  bool operator==(const Vector4& rhs) const;
  bool operator!=(const Vector4& rhs) const;

  float Dot(const Vector4& rhs) const;      // x, y, z only
  Vector4 Cross(const Vector4& rhs) const;  // w = 0
  float Length() const;                     // all four components
  float LengthSq() const;
  void Normalize();  // unchanged when the length is within 1e-5 of zero
  void Zero();
  void Print() const;

  float x, y, z, w;
};
