// Vexor Engine: 2D vectors, 3x3 matrices, scalar helpers and the random generator.
#pragma once
#include <cstdint>

struct VXVec2 {
  float x, y;
};

// Row-major; column vectors multiply on the right; translation in m[0][2], m[1][2].
struct VXMtx33 {
  float m[3][3];
};

// ---- Vectors (pResult may alias an input, except for VXVec2ProjectPerp) ----
void VXVec2Zero(VXVec2* pResult);
void VXVec2Set(VXVec2* pResult, float x, float y);
void VXVec2Neg(VXVec2* pResult, const VXVec2* pVec0);
void VXVec2Add(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1);
void VXVec2Sub(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1);
void VXVec2Normalize(VXVec2* pResult, const VXVec2* pVec0);  // zero length is not guarded
void VXVec2Scale(VXVec2* pResult, const VXVec2* pVec0, float c);
void VXVec2ScaleAdd(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1, float s);
void VXVec2ScaleSub(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1, float s);
void VXVec2Project(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1);
void VXVec2ProjectPerp(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1);  // pResult != pVec0
void VXVec2Lerp(VXVec2* pResult, const VXVec2* pVec0, const VXVec2* pVec1, float t);
float VXVec2Length(const VXVec2* pVec0);
float VXVec2SquareLength(const VXVec2* pVec0);
float VXVec2Distance(const VXVec2* pVec0, const VXVec2* pVec1);
float VXVec2SquareDistance(const VXVec2* pVec0, const VXVec2* pVec1);
float VXVec2DotProduct(const VXVec2* pVec0, const VXVec2* pVec1);
float VXVec2CrossProductMag(const VXVec2* pVec0, const VXVec2* pVec1);
void VXVec2FromAngle(VXVec2* pResult, float angle);
int32_t VXVec2Test(int32_t a, int32_t b);

// ---- 3x3 matrices (pResult may alias an input) ----
void VXMtx33Identity(VXMtx33* pResult);
void VXMtx33Transpose(VXMtx33* pResult, const VXMtx33* pMtx);
void VXMtx33Concat(VXMtx33* pResult, const VXMtx33* pMtx0, const VXMtx33* pMtx1);
float VXMtx33Determinant(const VXMtx33* pMtx);
float VXMtx33Inverse(VXMtx33* pResult, const VXMtx33* pMtx);       // 0 and untouched when singular
float VXMtx33InvTranspose(VXMtx33* pResult, const VXMtx33* pMtx);  // as Inverse: 0 and untouched when singular
void VXMtx33SetCol(VXMtx33* pMtx, int index, const VXVec2* pVec);
void VXMtx33SetRow(VXMtx33* pMtx, int index, const VXVec2* pVec);
void VXMtx33GetCol(VXVec2* pResult, const VXMtx33* pMtx, int index);
void VXMtx33GetRow(VXVec2* pResult, const VXMtx33* pMtx, int index);
void VXMtx33Trans(VXMtx33* pResult, float x, float y);
void VXMtx33TransApply(VXMtx33* pResult, const VXMtx33* pMtx, float x, float y);
void VXMtx33Scale(VXMtx33* pResult, float x, float y);
void VXMtx33ScaleApply(VXMtx33* pResult, const VXMtx33* pMtx, float x, float y);
void VXMtx33Rot(VXMtx33* pResult, float angle);
void VXMtx33RotDeg(VXMtx33* pResult, float angle);  // uses 3.1415, not full pi
void VXMtx33MultVec(VXVec2* pResult, const VXMtx33* pMtx, const VXVec2* pVec);
void VXMtx33MultVecSR(VXVec2* pResult, const VXMtx33* pMtx, const VXVec2* pVec);
void VXMtx33MultVecArray(VXVec2* pResult, const VXMtx33* pMtx, const VXVec2* pVec, uint32_t count);
void VXMtx33MultVecArraySR(VXVec2* pResult, const VXMtx33* pMtx, const VXVec2* pVec, uint32_t count);
void VXMtx33Orthogonalize(void);  // intentionally empty

// ---- Scalars ----
float VXDegToRad(float x);
float VXRadToDeg(float x);
float VXSin(float x);
float VXCos(float x);
float VXTan(float x);
float VXASin(float x);
float VXACos(float x);
float VXATan(float x);
int VXIsPowOf2(unsigned x);
unsigned VXNextPowOf2(unsigned x);
unsigned VXLogBase2(unsigned x);
float VXClamp(float x, float min, float max);
float VXWrap(float x, float min, float max);
float VXMin(float a, float b);
float VXMax(float a, float b);
int VXInRange(float x, float min, float max);
float VXRandFloat(void);  // VXRand() / 32767: [0, 1] both ends included

// ---- Random generator ----
// The game's tuning assumes a generator with values 0..32767 and the classic
// linear-congruential sequence, whatever the C library on this platform does.
#define VX_RAND_MAX 32767
void VXSrand(unsigned seed);
int VXRand(void);
