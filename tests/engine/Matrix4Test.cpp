// Matrix4, Point4 and Vector4: approximate equality, the product and w handling.
#include <gtest/gtest.h>

#include "Matrix4.h"

static Matrix4 Sequence() {
  return Matrix4(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
}

TEST(Matrix4, EqualityToleratesLessThanOneHundredThousandth) {
  Matrix4 a = Sequence();
  Matrix4 b = Sequence();
  b.m[6] += 0.000001f;
  EXPECT_TRUE(a == b);
  b.m[6] = a.m[6] + 0.00002f;
  EXPECT_TRUE(a != b);
  EXPECT_FALSE(a == b);
}

TEST(Matrix4, ProductIsRowTimesColumnAndTransformsOverAllFourComponents) {
  const Matrix4 a = Sequence();
  Matrix4 id;
  id.Identity();
  EXPECT_TRUE(a * id == a);
  const Matrix4 squared(90, 100, 110, 120, 202, 228, 254, 280, 314, 356, 398, 440, 426, 484, 542, 600);
  Matrix4 b = a;
  b *= b;
  EXPECT_TRUE(b == squared);

  Matrix4 t = id;
  t.m[3] = 5.0f;  // translation in x
  EXPECT_TRUE(t * Point4(1, 2, 3) == Point4(6, 2, 3, 1));
  EXPECT_TRUE(t * Vector4(1, 2, 3) == Vector4(1, 2, 3, 0));  // directions ignore translation
}

TEST(Point4, DefaultIsTheOriginWithWOneAndADifferenceIsAVectorWithWZero) {
  Point4 p(4, 5, 6, 7);
  p.Zero();
  EXPECT_TRUE(p == Point4(0, 0, 0, 1));
  const Vector4 d = Point4(5, 7, 9) - Point4(1, 2, 3);
  EXPECT_TRUE(d == Vector4(4, 5, 6, 0));
  p = Point4(1, 2, 3);
  p += d;
  EXPECT_TRUE(p == Point4(5, 7, 9, 1));
  EXPECT_TRUE(p - d == Point4(1, 2, 3, 1));
}

TEST(Vector4, DotIgnoresWLengthCountsItAndCrossIsRightHanded) {
  EXPECT_FLOAT_EQ(6.0f, Vector4(1, 2, 3, 4).Dot(Vector4(1, 1, 1, 1)));
  EXPECT_FLOAT_EQ(2.0f, Vector4(0, 0, 0, 2).Length());
  EXPECT_TRUE(Vector4(1, 0, 0, 7).Cross(Vector4(0, 1, 0, 7)) == Vector4(0, 0, 1, 0));
}

TEST(Vector4, NormalizeLeavesANearZeroVectorUnchanged) {
  Vector4 tiny(0.000001f, 0, 0, 0);
  tiny.Normalize();
  EXPECT_EQ(0.000001f, tiny.x);
  Vector4 v(3, 0, 0, 4);
  v.Normalize();
  EXPECT_TRUE(v == Vector4(0.6f, 0, 0, 0.8f));
}
