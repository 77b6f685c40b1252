// Matrix4, Point4 and Vector4: approximate equality, w handling and printing.
#include <gtest/gtest.h>

#include <string>

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

TEST(Matrix4, ProductIsRowTimesColumn) {
  const Matrix4 a = Sequence();
  Matrix4 id;
  id.Identity();
  EXPECT_TRUE(a * id == a);
  EXPECT_TRUE(id * a == a);
  const Matrix4 squared(90, 100, 110, 120, 202, 228, 254, 280, 314, 356, 398, 440, 426, 484, 542, 600);
  EXPECT_TRUE(a * a == squared);
  Matrix4 b = a;
  b *= b;
  EXPECT_TRUE(b == squared);
}

TEST(Matrix4, TransformsPointsAndVectorsOverAllFourComponents) {
  Matrix4 t;
  t.Identity();
  t.m[3] = 5.0f;  // translation in x
  const Point4 p(1, 2, 3);
  const Vector4 v(1, 2, 3);
  EXPECT_TRUE(t * p == Point4(6, 2, 3, 1));
  EXPECT_TRUE(t * v == Vector4(1, 2, 3, 0));  // directions ignore translation
  Matrix4 id;
  id.Identity();
  EXPECT_TRUE(id * p == p);
}

TEST(Matrix4, PrintsRowsBetweenRules) {
  Matrix4 id;
  id.Identity();
  testing::internal::CaptureStdout();
  id.Print();
  const std::string rule = "--------------------------\n";
  EXPECT_EQ(rule + "1.000 0.000 0.000 0.000\n0.000 1.000 0.000 0.000\n0.000 0.000 1.000 0.000\n" +
                "0.000 0.000 0.000 1.000\n" + rule,
            testing::internal::GetCapturedStdout());
}

TEST(Point4, DefaultIsTheOriginWithWOne) {
  Point4 p;
  testing::internal::CaptureStdout();
  p.Print();
  EXPECT_EQ("0.000, 0.000, 0.000, 1.000\n", testing::internal::GetCapturedStdout());
  p = Point4(4, 5, 6, 7);
  p.Zero();
  EXPECT_TRUE(p == Point4());
}

TEST(Point4, DifferenceOfPointsIsAVectorWithWZero) {
  const Vector4 d = Point4(5, 7, 9) - Point4(1, 2, 3);
  EXPECT_TRUE(d == Vector4(4, 5, 6, 0));
  Point4 p(1, 2, 3);
  p += d;
  EXPECT_TRUE(p == Point4(5, 7, 9, 1));
  EXPECT_TRUE(p - d == Point4(1, 2, 3, 1));
  EXPECT_TRUE(-p == Point4(-5, -7, -9, -1));
}

TEST(Vector4, DotIgnoresWButLengthCountsIt) {
  EXPECT_FLOAT_EQ(6.0f, Vector4(1, 2, 3, 4).Dot(Vector4(1, 1, 1, 1)));
  EXPECT_FLOAT_EQ(2.0f, Vector4(0, 0, 0, 2).Length());
  EXPECT_FLOAT_EQ(30.0f, Vector4(1, 2, 3, 4).LengthSq());
}

TEST(Vector4, CrossIsTheRightHandedProductWithWZero) {
  EXPECT_TRUE(Vector4(1, 0, 0, 7).Cross(Vector4(0, 1, 0, 7)) == Vector4(0, 0, 1, 0));
}

TEST(Vector4, NormalizeLeavesANearZeroVectorUnchanged) {
  Vector4 zero;
  zero.Normalize();
  EXPECT_EQ(0.0f, zero.x);
  EXPECT_EQ(0.0f, zero.w);
  Vector4 tiny(0.000001f, 0, 0, 0);
  tiny.Normalize();
  EXPECT_EQ(0.000001f, tiny.x);
  Vector4 v(3, 0, 0, 4);
  v.Normalize();
  EXPECT_TRUE(v == Vector4(0.6f, 0, 0, 0.8f));
}

TEST(Vector4, PrintsAllFourComponents) {
  testing::internal::CaptureStdout();
  Vector4(1, 2, 3, 4).Print();
  EXPECT_EQ("1.000, 2.000, 3.000, 4.000\n", testing::internal::GetCapturedStdout());
}
