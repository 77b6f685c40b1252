// Vexor Engine: Matrix4, Point4 and Vector4, the renderer's homogeneous 3D math.
// Equality is approximate so that values rebuilt from rounded math still match.
#include "Matrix4.h"

#include <cmath>
#include <cstdio>

static const float kEpsilon = 1e-5f;

static bool NearlyEqual(float a, float b) {
  return std::fabs(a - b) < kEpsilon;
}

// ---- Matrix4 ----

Matrix4::Matrix4() {
  Zero();
}

Matrix4::Matrix4(const Matrix4& rhs) {
  for (int i = 0; i < 16; ++i) m[i] = rhs.m[i];
}

Matrix4::Matrix4(float mm00, float mm01, float mm02, float mm03, float mm10, float mm11, float mm12, float mm13,
                 float mm20, float mm21, float mm22, float mm23, float mm30, float mm31, float mm32, float mm33)
    : m{mm00, mm01, mm02, mm03, mm10, mm11, mm12, mm13, mm20, mm21, mm22, mm23, mm30, mm31, mm32, mm33} {}

Matrix4& Matrix4::operator=(const Matrix4& rhs) {
  for (int i = 0; i < 16; ++i) m[i] = rhs.m[i];
  return *this;
}

Vector4 Matrix4::operator*(const Vector4& rhs) const {
  return Vector4(m[0] * rhs.x + m[1] * rhs.y + m[2] * rhs.z + m[3] * rhs.w,
                 m[4] * rhs.x + m[5] * rhs.y + m[6] * rhs.z + m[7] * rhs.w,
                 m[8] * rhs.x + m[9] * rhs.y + m[10] * rhs.z + m[11] * rhs.w,
                 m[12] * rhs.x + m[13] * rhs.y + m[14] * rhs.z + m[15] * rhs.w);
}

Point4 Matrix4::operator*(const Point4& rhs) const {
  return Point4(m[0] * rhs.x + m[1] * rhs.y + m[2] * rhs.z + m[3] * rhs.w,
                m[4] * rhs.x + m[5] * rhs.y + m[6] * rhs.z + m[7] * rhs.w,
                m[8] * rhs.x + m[9] * rhs.y + m[10] * rhs.z + m[11] * rhs.w,
                m[12] * rhs.x + m[13] * rhs.y + m[14] * rhs.z + m[15] * rhs.w);
}

Matrix4 Matrix4::operator+(const Matrix4& rhs) const {
  Matrix4 r(*this);
  return r += rhs;
}

Matrix4 Matrix4::operator-(const Matrix4& rhs) const {
  Matrix4 r(*this);
  return r -= rhs;
}

Matrix4 Matrix4::operator*(const Matrix4& rhs) const {
  Matrix4 r;
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 4; ++col) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) sum += m[4 * row + k] * rhs.m[4 * k + col];
      r.m[4 * row + col] = sum;
    }
  }
  return r;
}

Matrix4& Matrix4::operator+=(const Matrix4& rhs) {
  for (int i = 0; i < 16; ++i) m[i] += rhs.m[i];
  return *this;
}

Matrix4& Matrix4::operator-=(const Matrix4& rhs) {
  for (int i = 0; i < 16; ++i) m[i] -= rhs.m[i];
  return *this;
}

Matrix4& Matrix4::operator*=(const Matrix4& rhs) {
  // The product goes through a temporary, so m *= m is safe.
  *this = *this * rhs;
  return *this;
}

Matrix4 Matrix4::operator*(const float rhs) const {
  Matrix4 r(*this);
  return r *= rhs;
}

Matrix4 Matrix4::operator/(const float rhs) const {
  Matrix4 r(*this);
  return r /= rhs;
}

Matrix4& Matrix4::operator*=(const float rhs) {
  for (int i = 0; i < 16; ++i) m[i] *= rhs;
  return *this;
}

Matrix4& Matrix4::operator/=(const float rhs) {
  const float inv = 1.0f / rhs;
  for (int i = 0; i < 16; ++i) m[i] *= inv;
  return *this;
}

bool Matrix4::operator==(const Matrix4& rhs) const {
  for (int i = 0; i < 16; ++i) {
    if (!NearlyEqual(m[i], rhs.m[i])) return false;
  }
  return true;
}

bool Matrix4::operator!=(const Matrix4& rhs) const {
  return !(*this == rhs);
}

void Matrix4::Zero() {
  for (int i = 0; i < 16; ++i) m[i] = 0.0f;
}

void Matrix4::Identity() {
  Zero();
  m[0] = m[5] = m[10] = m[15] = 1.0f;
}

void Matrix4::Print() const {
  std::printf("--------------------------\n");
  for (int row = 0; row < 4; ++row) {
    std::printf("%5.3f %5.3f %5.3f %5.3f\n", m[4 * row], m[4 * row + 1], m[4 * row + 2], m[4 * row + 3]);
  }
  std::printf("--------------------------\n");
}

// ---- Point4 ----

Point4::Point4() : x(0.0f), y(0.0f), z(0.0f), w(1.0f) {}

Point4::Point4(const Point4& rhs) : x(rhs.x), y(rhs.y), z(rhs.z), w(rhs.w) {}

Point4::Point4(float xx, float yy, float zz, float ww) : x(xx), y(yy), z(zz), w(ww) {}

Point4& Point4::operator=(const Point4& rhs) {
  x = rhs.x;
  y = rhs.y;
  z = rhs.z;
  w = rhs.w;
  return *this;
}

Point4 Point4::operator-() const {
  return Point4(-x, -y, -z, -w);
}

Vector4 Point4::operator-(const Point4& rhs) const {
  return Vector4(x - rhs.x, y - rhs.y, z - rhs.z, w - rhs.w);
}

Point4 Point4::operator+(const Vector4& rhs) const {
  return Point4(x + rhs.x, y + rhs.y, z + rhs.z, w + rhs.w);
}

Point4 Point4::operator-(const Vector4& rhs) const {
  return Point4(x - rhs.x, y - rhs.y, z - rhs.z, w - rhs.w);
}

Point4& Point4::operator+=(const Vector4& rhs) {
  x += rhs.x;
  y += rhs.y;
  z += rhs.z;
  w += rhs.w;
  return *this;
}

Point4& Point4::operator-=(const Vector4& rhs) {
  x -= rhs.x;
  y -= rhs.y;
  z -= rhs.z;
  w -= rhs.w;
  return *this;
}

bool Point4::operator==(const Point4& rhs) const {
  return NearlyEqual(x, rhs.x) && NearlyEqual(y, rhs.y) && NearlyEqual(z, rhs.z) && NearlyEqual(w, rhs.w);
}

bool Point4::operator!=(const Point4& rhs) const {
  return !(*this == rhs);
}

void Point4::Zero() {
  x = y = z = 0.0f;
  w = 1.0f;
}

void Point4::Print() const {
  std::printf("%5.3f, %5.3f, %5.3f, %5.3f\n", x, y, z, w);
}

// ---- Vector4 ----

Vector4::Vector4() : x(0.0f), y(0.0f), z(0.0f), w(0.0f) {}

Vector4::Vector4(const Vector4& rhs) : x(rhs.x), y(rhs.y), z(rhs.z), w(rhs.w) {}

Vector4::Vector4(float xx, float yy, float zz, float ww) : x(xx), y(yy), z(zz), w(ww) {}

Vector4& Vector4::operator=(const Vector4& rhs) {
  x = rhs.x;
  y = rhs.y;
  z = rhs.z;
  w = rhs.w;
  return *this;
}

Vector4 Vector4::operator-() const {
  return Vector4(-x, -y, -z, -w);
}

Vector4 Vector4::operator+(const Vector4& rhs) const {
  return Vector4(x + rhs.x, y + rhs.y, z + rhs.z, w + rhs.w);
}

Vector4 Vector4::operator-(const Vector4& rhs) const {
  return Vector4(x - rhs.x, y - rhs.y, z - rhs.z, w - rhs.w);
}

Vector4 Vector4::operator*(const float rhs) const {
  return Vector4(x * rhs, y * rhs, z * rhs, w * rhs);
}

Vector4 Vector4::operator/(const float rhs) const {
  Vector4 r(*this);
  return r /= rhs;
}

Vector4& Vector4::operator+=(const Vector4& rhs) {
  x += rhs.x;
  y += rhs.y;
  z += rhs.z;
  w += rhs.w;
  return *this;
}

Vector4& Vector4::operator-=(const Vector4& rhs) {
  x -= rhs.x;
  y -= rhs.y;
  z -= rhs.z;
  w -= rhs.w;
  return *this;
}

Vector4& Vector4::operator*=(const float rhs) {
  x *= rhs;
  y *= rhs;
  z *= rhs;
  w *= rhs;
  return *this;
}

Vector4& Vector4::operator/=(const float rhs) {
  const float inv = 1.0f / rhs;
  x *= inv;
  y *= inv;
  z *= inv;
  w *= inv;
  return *this;
}

bool Vector4::operator==(const Vector4& rhs) const {
  return NearlyEqual(x, rhs.x) && NearlyEqual(y, rhs.y) && NearlyEqual(z, rhs.z) && NearlyEqual(w, rhs.w);
}

bool Vector4::operator!=(const Vector4& rhs) const {
  return !(*this == rhs);
}

float Vector4::Dot(const Vector4& rhs) const {
  return x * rhs.x + y * rhs.y + z * rhs.z;
}

Vector4 Vector4::Cross(const Vector4& rhs) const {
  return Vector4(y * rhs.z - z * rhs.y, z * rhs.x - x * rhs.z, x * rhs.y - y * rhs.x, 0.0f);
}

float Vector4::Length() const {
  return std::sqrt(LengthSq());
}

float Vector4::LengthSq() const {
  return x * x + y * y + z * z + w * w;
}

void Vector4::Normalize() {
  const float length = Length();
  if (length < kEpsilon) return;  // a near-zero vector has no direction to keep
  x /= length;
  y /= length;
  z /= length;
  w /= length;
}

void Vector4::Zero() {
  x = y = z = w = 0.0f;
}

void Vector4::Print() const {
  std::printf("%5.3f, %5.3f, %5.3f, %5.3f\n", x, y, z, w);
}
