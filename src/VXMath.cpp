// Vexor Engine: 2D vectors, 3x3 affine matrices, scalar helpers and the
// random generator. Single precision; roots and trigonometry go through double.
#include "VXMath.h"

#include <cmath>

static float Sqrt(float x) {
  return static_cast<float>(std::sqrt(static_cast<double>(x)));
}

// ---- Vectors ----

void VXVec2Zero(VXVec2* pResult) {
  pResult->x = pResult->y = 0.0f;
}

void VXVec2Set(VXVec2* pResult, float x, float y) {
  pResult->x = x;
  pResult->y = y;
}

void VXVec2Neg(VXVec2* pResult, const VXVec2* pVec0) {
  pResult->x = -pVec0->x;
  pResult->y = -pVec0->y;
}

void VXVec2Add(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1) {
  pResult->x = pVec0->x + pVec1->x;
  pResult->y = pVec0->y + pVec1->y;
}

void VXVec2Sub(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1) {
  pResult->x = pVec0->x - pVec1->x;
  pResult->y = pVec0->y - pVec1->y;
}

void VXVec2Normalize(VXVec2* pResult, const VXVec2* pVec0) {
  const float inv = 1.0f / VXVec2Length(pVec0);
  pResult->x = pVec0->x * inv;
  pResult->y = pVec0->y * inv;
}

void VXVec2Scale(VXVec2* pResult, const VXVec2* pVec0, float c) {
  pResult->x = pVec0->x * c;
  pResult->y = pVec0->y * c;
}

void VXVec2ScaleAdd(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1, float s) {
  pResult->x = pVec0->x * s + pVec1->x;
  pResult->y = pVec0->y * s + pVec1->y;
}

void VXVec2ScaleSub(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1, float s) {
  pResult->x = pVec0->x * s - pVec1->x;
  pResult->y = pVec0->y * s - pVec1->y;
}

void VXVec2Project(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1) {
  VXVec2 n;
  VXVec2Normalize(&n, pVec1);
  VXVec2Scale(pResult, &n, VXVec2DotProduct(pVec0, &n));
}

// Reads pVec0 again after the projection is stored, hence pResult != pVec0.
void VXVec2ProjectPerp(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1) {
  VXVec2Project(pResult, pVec0, pVec1);
  VXVec2Sub(pResult, pVec0, pResult);
}

void VXVec2Lerp(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1, float t) {
  pResult->x = pVec0->x + (pVec1->x - pVec0->x) * t;
  pResult->y = pVec0->y + (pVec1->y - pVec0->y) * t;
}

float VXVec2Length(const VXVec2* pVec0) {
  return Sqrt(VXVec2SquareLength(pVec0));
}

float VXVec2SquareLength(const VXVec2* pVec0) {
  return pVec0->x * pVec0->x + pVec0->y * pVec0->y;
}

float VXVec2Distance(const VXVec2* pVec0, const VXVec2* pVec1) {
  return Sqrt(VXVec2SquareDistance(pVec0, pVec1));
}

float VXVec2SquareDistance(const VXVec2* pVec0, const VXVec2* pVec1) {
  VXVec2 d;
  VXVec2Sub(&d, pVec0, pVec1);
  return VXVec2SquareLength(&d);
}

float VXVec2DotProduct(const VXVec2* pVec0, const VXVec2* pVec1) {
  return pVec0->x * pVec1->x + pVec0->y * pVec1->y;
}

float VXVec2CrossProductMag(const VXVec2* pVec0, const VXVec2* pVec1) {
  return pVec0->x * pVec1->y - pVec0->y * pVec1->x;
}

void VXVec2FromAngle(VXVec2* pResult, float angle) {
  pResult->x = VXCos(angle);
  pResult->y = VXSin(angle);
}

// Wraps like the two's-complement sum instead of overflowing.
int32_t VXVec2Test(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

// ---- 3x3 matrices ----

static bool ValidIndex(int index) {
  return index >= 0 && index <= 2;
}

void VXMtx33Identity(VXMtx33* pResult) {
  VXMtx33Scale(pResult, 1.0f, 1.0f);
}

void VXMtx33Transpose(VXMtx33* pResult, const VXMtx33* pMtx) {
  if (pResult == pMtx) {
    for (int r = 0; r < 3; ++r) {
      for (int c = r + 1; c < 3; ++c) {
        const float t = pResult->m[r][c];
        pResult->m[r][c] = pResult->m[c][r];
        pResult->m[c][r] = t;
      }
    }
    return;
  }
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) pResult->m[r][c] = pMtx->m[c][r];
  }
}

void VXMtx33Concat(VXMtx33* pResult, const VXMtx33* pMtx0, const VXMtx33* pMtx1) {
  VXMtx33 t;
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      t.m[r][c] = pMtx0->m[r][0] * pMtx1->m[0][c] + pMtx0->m[r][1] * pMtx1->m[1][c] + pMtx0->m[r][2] * pMtx1->m[2][c];
    }
  }
  *pResult = t;
}

float VXMtx33Determinant(const VXMtx33* pMtx) {
  const float(*m)[3] = pMtx->m;
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// |det| below 1e-5 counts as singular.
static bool IsSingular(float det) {
  return det * det < 9.9999994e-11f;
}

static void WriteInverse(VXMtx33* pResult, const VXMtx33* pMtx, float det) {
  const float(*m)[3] = pMtx->m;
  VXMtx33 t;
  t.m[0][0] = (m[1][1] * m[2][2] - m[1][2] * m[2][1]) / det;
  t.m[0][1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / det;
  t.m[0][2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / det;
  t.m[1][0] = (m[1][2] * m[2][0] - m[1][0] * m[2][2]) / det;
  t.m[1][1] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det;
  t.m[1][2] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / det;
  t.m[2][0] = (m[1][0] * m[2][1] - m[1][1] * m[2][0]) / det;
  t.m[2][1] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / det;
  t.m[2][2] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / det;
  *pResult = t;
}

float VXMtx33Inverse(VXMtx33* pResult, const VXMtx33* pMtx) {
  const float det = VXMtx33Determinant(pMtx);
  if (IsSingular(det)) return 0.0f;
  WriteInverse(pResult, pMtx, det);
  return det;
}

float VXMtx33InvTranspose(VXMtx33* pResult, const VXMtx33* pMtx) {
  const float det = VXMtx33Inverse(pResult, pMtx);
  if (det != 0.0f) VXMtx33Transpose(pResult, pResult);
  return det;
}

// An index outside 0..2 leaves everything untouched.
void VXMtx33SetCol(VXMtx33* pMtx, int index, const VXVec2* pVec) {
  if (!ValidIndex(index)) return;
  pMtx->m[0][index] = pVec->x;
  pMtx->m[1][index] = pVec->y;
  pMtx->m[2][index] = index == 2 ? 1.0f : 0.0f;
}

void VXMtx33SetRow(VXMtx33* pMtx, int index, const VXVec2* pVec) {
  if (!ValidIndex(index)) return;
  pMtx->m[index][0] = pVec->x;
  pMtx->m[index][1] = pVec->y;
  pMtx->m[index][2] = index == 2 ? 1.0f : 0.0f;
}

void VXMtx33GetCol(VXVec2* pResult, const VXMtx33* pMtx, int index) {
  if (!ValidIndex(index)) return;
  VXVec2Set(pResult, pMtx->m[0][index], pMtx->m[1][index]);
}

void VXMtx33GetRow(VXVec2* pResult, const VXMtx33* pMtx, int index) {
  if (!ValidIndex(index)) return;
  VXVec2Set(pResult, pMtx->m[index][0], pMtx->m[index][1]);
}

void VXMtx33Trans(VXMtx33* pResult, float x, float y) {
  VXMtx33Identity(pResult);
  pResult->m[0][2] = x;
  pResult->m[1][2] = y;
}

void VXMtx33TransApply(VXMtx33* pResult, const VXMtx33* pMtx, float x, float y) {
  if (pResult != pMtx) *pResult = *pMtx;
  pResult->m[0][2] += x;
  pResult->m[1][2] += y;
}

void VXMtx33Scale(VXMtx33* pResult, float x, float y) {
  *pResult = VXMtx33{{{x, 0.0f, 0.0f}, {0.0f, y, 0.0f}, {0.0f, 0.0f, 1.0f}}};
}

void VXMtx33ScaleApply(VXMtx33* pResult, const VXMtx33* pMtx, float x, float y) {
  for (int c = 0; c < 3; ++c) {
    pResult->m[0][c] = pMtx->m[0][c] * x;
    pResult->m[1][c] = pMtx->m[1][c] * y;
    pResult->m[2][c] = pMtx->m[2][c];
  }
}

void VXMtx33Rot(VXMtx33* pResult, float angle) {
  const float c = VXCos(angle);
  const float s = VXSin(angle);
  *pResult = VXMtx33{{{c, -s, 0.0f}, {s, c, 0.0f}, {0.0f, 0.0f, 1.0f}}};
}

// 3.1415 rather than full pi: a quarter turn in degrees falls a hair short.
void VXMtx33RotDeg(VXMtx33* pResult, float angle) {
  VXMtx33Rot(pResult, angle * 3.1415f / 180.0f);
}

void VXMtx33MultVec(VXVec2* pResult, const VXMtx33* pMtx, const VXVec2* pVec) {
  const float x = pVec->x;
  const float y = pVec->y;
  pResult->x = pMtx->m[0][0] * x + pMtx->m[0][1] * y + pMtx->m[0][2];
  pResult->y = pMtx->m[1][0] * x + pMtx->m[1][1] * y + pMtx->m[1][2];
}

void VXMtx33MultVecSR(VXVec2* pResult, const VXMtx33* pMtx, const VXVec2* pVec) {
  const float x = pVec->x;
  const float y = pVec->y;
  pResult->x = pMtx->m[0][0] * x + pMtx->m[0][1] * y;
  pResult->y = pMtx->m[1][0] * x + pMtx->m[1][1] * y;
}

void VXMtx33MultVecArray(VXVec2* pResult, const VXMtx33* pMtx, const VXVec2* pVec, uint32_t count) {
  for (uint32_t i = 0; i < count; ++i) VXMtx33MultVec(pResult + i, pMtx, pVec + i);
}

void VXMtx33MultVecArraySR(VXVec2* pResult, const VXMtx33* pMtx, const VXVec2* pVec, uint32_t count) {
  for (uint32_t i = 0; i < count; ++i) VXMtx33MultVecSR(pResult + i, pMtx, pVec + i);
}

void VXMtx33Orthogonalize(void) {}

// ---- Scalars ----

float VXDegToRad(float x) {
  return x * 0.017453292f;
}

float VXRadToDeg(float x) {
  return x * 57.295784f;
}

float VXSin(float x) {
  return static_cast<float>(std::sin(static_cast<double>(x)));
}

float VXCos(float x) {
  return static_cast<float>(std::cos(static_cast<double>(x)));
}

float VXTan(float x) {
  return static_cast<float>(std::tan(static_cast<double>(x)));
}

float VXASin(float x) {
  return static_cast<float>(std::asin(static_cast<double>(x)));
}

float VXACos(float x) {
  return static_cast<float>(std::acos(static_cast<double>(x)));
}

float VXATan(float x) {
  return static_cast<float>(std::atan(static_cast<double>(x)));
}

int VXIsPowOf2(unsigned x) {
  return x != 0 && (x & (x - 1)) == 0 ? 1 : 0;
}

// Strictly greater than x: a power of two moves on to the next one.
unsigned VXNextPowOf2(unsigned x) {
  x |= x >> 1;
  x |= x >> 2;
  x |= x >> 4;
  x |= x >> 8;
  x |= x >> 16;
  return x + 1;
}

unsigned VXLogBase2(unsigned x) {
  unsigned n = 0;
  while (x > 1) {
    x >>= 1;
    ++n;
  }
  return n;
}

// min is tested first, so it wins when min > max.
float VXClamp(float x, float min, float max) {
  if (min > x) return min;
  if (x > max) return max;
  return x;
}

// One wrap only, not a modulo.
float VXWrap(float x, float min, float max) {
  if (min > x) return x + (max - min);
  if (x > max) return x - (max - min);
  return x;
}

float VXMin(float a, float b) {
  return b > a ? a : b;
}

float VXMax(float a, float b) {
  return b > a ? b : a;
}

int VXInRange(float x, float min, float max) {
  return x >= min && max >= x ? 1 : 0;
}

float VXRandFloat(void) {
  return static_cast<float>(VXRand()) / 32767.0f;
}

// ---- Random generator ----

// The classic linear-congruential generator, so the game draws the same
// numbers on every platform.
static uint32_t sRandState = 1;

void VXSrand(unsigned seed) {
  sRandState = seed;
}

int VXRand(void) {
  sRandState = sRandState * 214013u + 2531011u;
  return static_cast<int>((sRandState >> 16) & 0x7FFFu);
}
