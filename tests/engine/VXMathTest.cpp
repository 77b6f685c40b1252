// Vectors, 3x3 matrices, scalar helpers and the random generator: aliasing,
// the singular and out-of-range cases, and the tie rules.
#include <gtest/gtest.h>

#include <cmath>

#include "VXMath.h"

static VXMtx33 Mtx(float a, float b, float c, float d, float e, float f, float g, float h, float i) {
  return VXMtx33{{{a, b, c}, {d, e, f}, {g, h, i}}};
}

static void ExpectMtxEq(const VXMtx33& expected, const VXMtx33& actual) {
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) EXPECT_FLOAT_EQ(expected.m[r][c], actual.m[r][c]) << "at " << r << "," << c;
  }
}

TEST(VXVec2, ResultMayBeAnInputAndZeroLengthGivesIeeeResults) {
  VXVec2 a{3.0f, 4.0f};
  const VXVec2 b{1.0f, 2.0f};
  VXVec2Add(&a, &a, &b);
  VXVec2ScaleSub(&a, &a, &b, 2.0f);
  EXPECT_FLOAT_EQ(7.0f, a.x);
  EXPECT_FLOAT_EQ(10.0f, a.y);
  VXVec2 v{3.0f, 4.0f};
  VXVec2Normalize(&v, &v);
  EXPECT_FLOAT_EQ(0.6f, v.x);
  EXPECT_FLOAT_EQ(0.8f, v.y);

  const VXVec2 w{3.0f, 5.0f}, dir{2.0f, 0.0f};
  VXVec2 along, perp;
  VXVec2Project(&along, &w, &dir);
  VXVec2ProjectPerp(&perp, &w, &dir);
  EXPECT_FLOAT_EQ(3.0f, along.x);
  EXPECT_FLOAT_EQ(5.0f, perp.y);
  EXPECT_FLOAT_EQ(0.0f, perp.x);

  const VXVec2 zero{0.0f, 0.0f};
  VXVec2Normalize(&v, &zero);
  EXPECT_TRUE(std::isnan(v.x) && std::isnan(v.y));
  VXVec2Project(&v, &b, &zero);
  EXPECT_TRUE(std::isnan(v.x));
  EXPECT_EQ(INT32_MIN, VXVec2Test(INT32_MAX, 1));  // wraps instead of overflowing
}

TEST(VXMtx33, ConcatAppliesTheSecondOperandFirstAndMayWriteIntoAnInput) {
  VXMtx33 scale, trans, m;
  VXMtx33Scale(&scale, 2.0f, 3.0f);
  VXMtx33Trans(&trans, 10.0f, 20.0f);
  VXMtx33Concat(&m, &trans, &scale);
  VXVec2 p{1.0f, 1.0f};
  VXMtx33MultVec(&p, &m, &p);
  EXPECT_FLOAT_EQ(12.0f, p.x);
  EXPECT_FLOAT_EQ(23.0f, p.y);

  m = Mtx(1, 2, 0, 3, 4, 0, 0, 0, 1);
  VXMtx33Concat(&m, &m, &m);
  ExpectMtxEq(Mtx(7, 10, 0, 15, 22, 0, 0, 0, 1), m);
  m = Mtx(1, 2, 3, 4, 5, 6, 7, 8, 9);
  VXMtx33Transpose(&m, &m);
  ExpectMtxEq(Mtx(1, 4, 7, 2, 5, 8, 3, 6, 9), m);
  const VXMtx33 affine = Mtx(1, 2, 3, 4, 5, 6, 0, 0, 1);
  VXMtx33TransApply(&m, &affine, 10, 20);
  ExpectMtxEq(Mtx(1, 2, 13, 4, 5, 26, 0, 0, 1), m);
  VXMtx33ScaleApply(&m, &affine, 2, 3);
  ExpectMtxEq(Mtx(2, 4, 6, 12, 15, 18, 0, 0, 1), m);
}

TEST(VXMtx33, InversesOfASingularMatrixReturnZeroAndLeaveTheOutputAlone) {
  const VXMtx33 m = Mtx(2, 0, 4, 0, 1, 6, 0, 0, 1);
  VXMtx33 inv;
  EXPECT_FLOAT_EQ(2.0f, VXMtx33Inverse(&inv, &m));
  ExpectMtxEq(Mtx(0.5f, 0, -2, 0, 1, -6, 0, 0, 1), inv);
  VXMtx33 it = m;
  EXPECT_FLOAT_EQ(2.0f, VXMtx33InvTranspose(&it, &it));
  ExpectMtxEq(Mtx(0.5f, 0, 0, 0, 1, 0, -2, -6, 1), it);

  // det = 0.0000099, just under the 1e-5 threshold; and an exactly singular one.
  const VXMtx33 singular[] = {Mtx(0.0000099f, 0, 0, 0, 1, 0, 0, 0, 1), Mtx(1, 2, 3, 2, 4, 6, 0, 0, 1)};
  for (const VXMtx33& s : singular) {
    VXMtx33 out = Mtx(1, 2, 3, 4, 5, 6, 7, 8, 9);
    EXPECT_EQ(0.0f, VXMtx33Inverse(&out, &s));
    EXPECT_EQ(0.0f, VXMtx33InvTranspose(&out, &s));
    ExpectMtxEq(Mtx(1, 2, 3, 4, 5, 6, 7, 8, 9), out);
  }
  const VXMtx33 justInvertible = Mtx(0.0000101f, 0, 0, 0, 1, 0, 0, 0, 1);
  EXPECT_NE(0.0f, VXMtx33Inverse(&inv, &justInvertible));
}

TEST(VXMtx33, RotationsTurnCounterClockwiseAndDegreesUseAShortPi) {
  VXMtx33 rot;
  VXMtx33Rot(&rot, 1.5707964f);
  VXVec2 v{1.0f, 0.0f};
  VXMtx33MultVec(&v, &rot, &v);
  EXPECT_NEAR(0.0f, v.x, 1e-6f);
  EXPECT_FLOAT_EQ(1.0f, v.y);
  // 3.1415 instead of pi leaves cos(90 degrees) at about 4.6e-5.
  VXMtx33RotDeg(&rot, 90.0f);
  EXPECT_GT(rot.m[0][0], 4.0e-5f);
  EXPECT_LT(rot.m[0][0], 5.0e-5f);
}

TEST(VXMtx33, ArraysMayAliasAndSRIgnoresTranslation) {
  VXMtx33 m;
  VXMtx33Trans(&m, 5, 6);
  VXVec2 pts[2] = {{1, 1}, {2, 2}};
  VXMtx33MultVecArraySR(pts, &m, pts, 2);
  EXPECT_FLOAT_EQ(2.0f, pts[1].x);
  VXMtx33MultVecArray(pts, &m, pts, 2);
  EXPECT_FLOAT_EQ(6.0f, pts[0].x);
  EXPECT_FLOAT_EQ(8.0f, pts[1].y);
}

TEST(VXMtx33, SetColAndRowFillTheHomogeneousEntryAndIndicesOutsideChangeNothing) {
  VXMtx33 m = Mtx(9, 9, 9, 9, 9, 9, 9, 9, 9);
  const VXVec2 v{1, 2};
  VXMtx33SetCol(&m, 2, &v);
  VXMtx33SetCol(&m, 0, &v);
  ExpectMtxEq(Mtx(1, 9, 1, 2, 9, 2, 0, 9, 1), m);
  VXMtx33SetRow(&m, 1, &v);
  ExpectMtxEq(Mtx(1, 9, 1, 1, 2, 0, 0, 9, 1), m);
  VXMtx33SetCol(&m, 3, &v);
  VXMtx33SetRow(&m, -1, &v);
  ExpectMtxEq(Mtx(1, 9, 1, 1, 2, 0, 0, 9, 1), m);
  VXVec2 out{42, 43};
  VXMtx33GetCol(&out, &m, 3);
  VXMtx33GetRow(&out, &m, -1);
  EXPECT_FLOAT_EQ(42.0f, out.x);
  EXPECT_FLOAT_EQ(43.0f, out.y);
  VXMtx33GetRow(&out, &m, 0);
  EXPECT_FLOAT_EQ(9.0f, out.y);
}

TEST(VXScalar, PowerOfTwoHelpersAtTheirEdges) {
  EXPECT_EQ(0, VXIsPowOf2(0));
  EXPECT_EQ(1, VXIsPowOf2(1));
  EXPECT_EQ(0, VXIsPowOf2(6));
  EXPECT_EQ(16u, VXNextPowOf2(8));
  EXPECT_EQ(8u, VXNextPowOf2(5));
  EXPECT_EQ(1u, VXNextPowOf2(0));
  EXPECT_EQ(0u, VXNextPowOf2(0xFFFFFFFFu));
  EXPECT_EQ(0u, VXLogBase2(0));
  EXPECT_EQ(9u, VXLogBase2(1023));
  EXPECT_EQ(10u, VXLogBase2(1024));
}

TEST(VXScalar, WrapClampMinMaxAndInRangeFollowTheirTieRules) {
  EXPECT_FLOAT_EQ(5.0f, VXWrap(-5.0f, 0.0f, 10.0f));
  EXPECT_FLOAT_EQ(15.0f, VXWrap(25.0f, 0.0f, 10.0f));  // one range only
  EXPECT_FLOAT_EQ(10.0f, VXWrap(10.0f, 0.0f, 10.0f));
  EXPECT_FLOAT_EQ(5.0f, VXClamp(7.0f, 0.0f, 5.0f));
  // min > max: below min gives min, above min gives max.
  EXPECT_FLOAT_EQ(10.0f, VXClamp(3.0f, 10.0f, 0.0f));
  EXPECT_FLOAT_EQ(0.0f, VXClamp(12.0f, 10.0f, 0.0f));
  EXPECT_TRUE(std::signbit(VXMin(0.0f, -0.0f)));   // tie gives b
  EXPECT_FALSE(std::signbit(VXMax(0.0f, -0.0f)));  // tie gives a
  EXPECT_FLOAT_EQ(1.0f, VXMin(1.0f, 2.0f));
  EXPECT_FLOAT_EQ(2.0f, VXMax(1.0f, 2.0f));
  EXPECT_EQ(1, VXInRange(10.0f, 0.0f, 10.0f));
  EXPECT_EQ(1, VXInRange(0.0f, 0.0f, 10.0f));
  EXPECT_EQ(0, VXInRange(10.001f, 0.0f, 10.0f));
}

TEST(VXRand, FollowsTheClassicSequenceAgainAfterEachSeeding) {
  for (int run = 0; run < 2; ++run) {
    VXSrand(1);
    EXPECT_EQ(41, VXRand());
    EXPECT_EQ(18467, VXRand());
    EXPECT_EQ(6334, VXRand());
    EXPECT_EQ(26500, VXRand());
  }
}
