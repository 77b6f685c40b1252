// Overlap tests, distances and swept tests: the touching cases and tie rules.
#include <gtest/gtest.h>

#include "VXCollision.h"

// Horizontal segment from (-1, 0) to (1, 0) whose outside is up.
static VXLineSegment HorizontalSegment() {
  return VXLineSegment{{-1.0f, 0.0f}, {1.0f, 0.0f}, {0.0f, 1.0f}, 0.0f};
}

TEST(VXOverlap, PointOnTheCircleCounts) {
  const VXVec2 ctr{1.0f, 1.0f};
  const VXVec2 on{4.0f, 5.0f};
  EXPECT_EQ(1, VXTestPointToCircle(&on, &ctr, 5.0f));
  EXPECT_EQ(0, VXTestPointToCircle(&on, &ctr, 4.99f));
}

TEST(VXOverlap, PointOnTheRectBorderCounts) {
  const VXVec2 rect{0.0f, 0.0f};
  const VXVec2 corner{5.0f, -2.0f};
  EXPECT_EQ(1, VXTestPointToRect(&corner, &rect, 10.0f, 4.0f));
  const VXVec2 out{5.01f, 0.0f};
  EXPECT_EQ(0, VXTestPointToRect(&out, &rect, 10.0f, 4.0f));
}

TEST(VXOverlap, TouchingCirclesOverlap) {
  const VXVec2 a{0.0f, 0.0f};
  const VXVec2 b{3.0f, 4.0f};
  EXPECT_EQ(1, VXTestCircleToCircle(&a, 2.0f, &b, 3.0f));
  EXPECT_EQ(0, VXTestCircleToCircle(&a, 2.0f, &b, 2.9f));
}

TEST(VXOverlap, CircleTouchingRectFromOutsideDoesNotOverlap) {
  const VXVec2 rect{0.0f, 0.0f};
  const VXVec2 side{7.0f, 0.0f};
  EXPECT_EQ(0, VXTestCircleToRect(&side, 2.0f, &rect, 10.0f, 10.0f));
  EXPECT_EQ(1, VXTestCircleToRect(&side, 2.01f, &rect, 10.0f, 10.0f));
  const VXVec2 diagonal{8.0f, 9.0f};  // 5 from the corner (5, 5)
  EXPECT_EQ(0, VXTestCircleToRect(&diagonal, 5.0f, &rect, 10.0f, 10.0f));
  EXPECT_EQ(1, VXTestCircleToRect(&diagonal, 5.01f, &rect, 10.0f, 10.0f));
}

TEST(VXOverlap, CircleCentredInsideRectAlwaysOverlaps) {
  const VXVec2 rect{0.0f, 0.0f};
  const VXVec2 inside{4.0f, 0.0f};
  EXPECT_EQ(1, VXTestCircleToRect(&inside, 0.001f, &rect, 10.0f, 10.0f));
}

TEST(VXOverlap, RectsWithTouchingEdgesOverlap) {
  const VXVec2 a{0.0f, 0.0f};
  const VXVec2 b{10.0f, 0.0f};
  EXPECT_EQ(1, VXTestRectToRect(&a, 10.0f, 10.0f, &b, 10.0f, 10.0f));
  const VXVec2 c{10.01f, 0.0f};
  EXPECT_EQ(0, VXTestRectToRect(&a, 10.0f, 10.0f, &c, 10.0f, 10.0f));
}

TEST(VXDistance, RectToRectTouchingIsZeroAndLeavesTheNormal) {
  const VXVec2 a{0.0f, 0.0f};
  const VXVec2 b{10.0f, 0.0f};
  VXVec2 normal{42.0f, 43.0f};
  EXPECT_EQ(0.0f, VXCalcDistRectToRect(&a, 10.0f, 10.0f, &b, 10.0f, 10.0f, &normal));
  EXPECT_EQ(42.0f, normal.x);
  EXPECT_EQ(43.0f, normal.y);
}

TEST(VXDistance, RectToRectPicksTheAxisOfLeastPenetration) {
  const VXVec2 a{0.0f, 0.0f};
  const VXVec2 b{8.0f, 3.0f};
  VXVec2 normal{0.0f, 0.0f};
  EXPECT_FLOAT_EQ(-2.0f, VXCalcDistRectToRect(&a, 10.0f, 10.0f, &b, 10.0f, 10.0f, &normal));
  EXPECT_EQ(-1.0f, normal.x);
  EXPECT_EQ(0.0f, normal.y);

  const VXVec2 below{3.0f, -8.0f};
  EXPECT_FLOAT_EQ(-2.0f, VXCalcDistRectToRect(&a, 10.0f, 10.0f, &below, 10.0f, 10.0f, &normal));
  EXPECT_EQ(0.0f, normal.x);
  EXPECT_EQ(1.0f, normal.y);

  // Equal penetration on both axes: x wins. A null normal is allowed.
  const VXVec2 diagonal{-6.0f, 6.0f};
  EXPECT_FLOAT_EQ(-4.0f, VXCalcDistRectToRect(&a, 10.0f, 10.0f, &diagonal, 10.0f, 10.0f, &normal));
  EXPECT_EQ(1.0f, normal.x);
  EXPECT_FLOAT_EQ(-4.0f, VXCalcDistRectToRect(&a, 10.0f, 10.0f, &diagonal, 10.0f, 10.0f, nullptr));
}

TEST(VXDistance, PointToRectIsNegativeDepthInsideAndEuclideanOutside) {
  const VXVec2 rect{0.0f, 0.0f};
  EXPECT_FLOAT_EQ(-2.0f, VXCalcDistPointToRect(&rect, &rect, 10.0f, 4.0f));
  const VXVec2 corner{8.0f, 6.0f};  // (3, 4) from the corner (5, 2)
  EXPECT_FLOAT_EQ(5.0f, VXCalcDistPointToRect(&corner, &rect, 10.0f, 4.0f));
  EXPECT_FLOAT_EQ(3.0f, VXCalcDistCircleToRect(&corner, 2.0f, &rect, 10.0f, 4.0f));
}

TEST(VXDistance, PointToSegment) {
  const VXVec2 a{0.0f, 0.0f};
  const VXVec2 b{10.0f, 0.0f};
  const VXVec2 above{4.0f, 3.0f};
  EXPECT_FLOAT_EQ(3.0f, VXCalcDistPointToLineSeg(&above, &a, &b));
  const VXVec2 beyondB{13.0f, 4.0f};
  EXPECT_FLOAT_EQ(5.0f, VXCalcDistPointToLineSeg(&beyondB, &a, &b));
  const VXVec2 beforeA{-3.0f, -4.0f};
  EXPECT_FLOAT_EQ(5.0f, VXCalcDistPointToLineSeg(&beforeA, &a, &b));
  const VXVec2 onLine{5.0f, 0.0f};
  EXPECT_EQ(0.0f, VXCalcDistPointToLineSeg(&onLine, &a, &b));
}

TEST(VXDistance, PointToDegenerateSegmentIsDistanceToItsEnd) {
  const VXVec2 a{1.0f, 1.0f};
  const VXVec2 p{4.0f, 5.0f};
  EXPECT_FLOAT_EQ(5.0f, VXCalcDistPointToLineSeg(&p, &a, &a));
}

TEST(VXDistance, SignedDistanceFromALineIsPositiveOnTheNormalSide) {
  const VXLineSegment seg = HorizontalSegment();
  const VXVec2 up{0.0f, 2.0f};
  const VXVec2 down{5.0f, -3.0f};
  EXPECT_FLOAT_EQ(2.0f, VXStaticPointToStaticLineSegment(&up, &seg));
  EXPECT_FLOAT_EQ(-3.0f, VXStaticPointToStaticLineSegment(&down, &seg));
}

TEST(VXSwept, PointThroughSegmentHitsHalfwayAndReflects) {
  const VXLineSegment seg = HorizontalSegment();
  const VXVec2 start{0.0f, -1.0f};
  const VXVec2 end{0.0f, 1.0f};
  VXVec2 contact{9.0f, 9.0f};
  VXVec2 reflection{9.0f, 9.0f};
  EXPECT_FLOAT_EQ(0.5f, VXReflectAnimatedPointOnStaticLineSegment(&start, &end, &seg, &contact, &reflection));
  EXPECT_FLOAT_EQ(0.0f, contact.x);
  EXPECT_FLOAT_EQ(0.0f, contact.y);
  EXPECT_FLOAT_EQ(0.0f, reflection.x);
  EXPECT_FLOAT_EQ(-1.0f, reflection.y);
}

TEST(VXSwept, PointMissesSegmentPastItsEndOrMovingParallel) {
  const VXLineSegment seg = HorizontalSegment();
  VXVec2 contact{9.0f, 9.0f};
  const VXVec2 start{2.0f, -1.0f};
  const VXVec2 end{2.0f, 1.0f};
  EXPECT_EQ(-1.0f, VXAnimatedPointToStaticLineSegment(&start, &end, &seg, &contact));
  const VXVec2 along0{-1.0f, 0.0f};
  const VXVec2 along1{1.0f, 0.0f};
  EXPECT_EQ(-1.0f, VXAnimatedPointToStaticLineSegment(&along0, &along1, &seg, &contact));
  const VXVec2 above0{-1.0f, 1.0f};
  const VXVec2 above1{1.0f, 2.0f};
  EXPECT_EQ(-1.0f, VXAnimatedPointToStaticLineSegment(&above0, &above1, &seg, &contact));
  EXPECT_EQ(9.0f, contact.x);
}

TEST(VXSwept, CircleStopsOneRadiusShortOfTheSegment) {
  const VXLineSegment seg = HorizontalSegment();
  const VXVec2 start{0.0f, 3.0f};
  const VXVec2 end{0.0f, -1.0f};
  VXVec2 contact, reflection;
  EXPECT_FLOAT_EQ(0.5f, VXReflectAnimatedCircleOnStaticLineSegment(&start, &end, 1.0f, &seg, &contact, &reflection));
  EXPECT_FLOAT_EQ(1.0f, contact.y);
  EXPECT_FLOAT_EQ(2.0f, reflection.y);
}

TEST(VXSwept, PointAgainstCircle) {
  const VXVec2 ctr{0.0f, 0.0f};
  const VXVec2 start{-4.0f, 0.0f};
  const VXVec2 end{4.0f, 0.0f};
  VXVec2 contact, reflection;
  EXPECT_FLOAT_EQ(0.25f, VXReflectAnimatedPointOnStaticCircle(&start, &end, &ctr, 2.0f, &contact, &reflection));
  EXPECT_FLOAT_EQ(-2.0f, contact.x);
  EXPECT_FLOAT_EQ(-2.0f, reflection.x);  // straight back, as long as the path before contact
  EXPECT_FLOAT_EQ(0.0f, reflection.y);

  // Moving circles add their radii.
  EXPECT_FLOAT_EQ(0.25f, VXAnimatedCircleToStaticCircle(&start, &end, 1.0f, &ctr, 1.0f, &contact));

  const VXVec2 inside{1.0f, 0.0f};
  EXPECT_EQ(-1.0f, VXAnimatedPointToStaticCircle(&inside, &end, &ctr, 2.0f, &contact));
  const VXVec2 passBy{-4.0f, 3.0f};
  const VXVec2 passEnd{4.0f, 3.0f};
  EXPECT_EQ(-1.0f, VXAnimatedPointToStaticCircle(&passBy, &passEnd, &ctr, 2.0f, &contact));
  const VXVec2 shortEnd{-3.0f, 0.0f};
  EXPECT_EQ(-1.0f, VXAnimatedPointToStaticCircle(&start, &shortEnd, &ctr, 2.0f, &contact));
}

// Standing still: on the segment's line, on the circle, inside it, outside it.
TEST(VXSwept, NoMovementNeverTouchesAndWritesNothing) {
  const VXLineSegment seg = HorizontalSegment();
  const VXVec2 ctr{0.0f, 0.0f};
  const VXVec2 points[] = {{0.0f, 0.0f}, {0.5f, 0.0f}, {2.0f, 0.0f}, {-4.0f, 0.0f}, {0.0f, 1.0f}};
  for (const VXVec2& p : points) {
    VXVec2 contact{9.0f, 9.0f};
    VXVec2 reflection{9.0f, 9.0f};
    EXPECT_EQ(-1.0f, VXAnimatedPointToStaticLineSegment(&p, &p, &seg, &contact));
    EXPECT_EQ(-1.0f, VXAnimatedCircleToStaticLineSegment(&p, &p, 1.0f, &seg, &contact));
    EXPECT_EQ(-1.0f, VXReflectAnimatedPointOnStaticLineSegment(&p, &p, &seg, &contact, &reflection));
    EXPECT_EQ(-1.0f, VXReflectAnimatedCircleOnStaticLineSegment(&p, &p, 1.0f, &seg, &contact, &reflection));
    EXPECT_EQ(-1.0f, VXAnimatedPointToStaticCircle(&p, &p, &ctr, 2.0f, &contact));
    EXPECT_EQ(-1.0f, VXReflectAnimatedPointOnStaticCircle(&p, &p, &ctr, 2.0f, &contact, &reflection));
    EXPECT_EQ(-1.0f, VXAnimatedCircleToStaticCircle(&p, &p, 1.0f, &ctr, 1.0f, &contact));
    EXPECT_EQ(-1.0f, VXReflectAnimatedCircleOnStaticCircle(&p, &p, 1.0f, &ctr, 1.0f, &contact, &reflection));
    EXPECT_EQ(9.0f, contact.x) << "at (" << p.x << ", " << p.y << ")";
    EXPECT_EQ(9.0f, contact.y);
    EXPECT_EQ(9.0f, reflection.x);
    EXPECT_EQ(9.0f, reflection.y);
  }
}
