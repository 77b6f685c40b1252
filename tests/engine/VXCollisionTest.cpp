// Overlap tests, distances and swept tests: the touching cases and tie rules.
#include <gtest/gtest.h>

#include "VXCollision.h"

// Horizontal segment from (-1, 0) to (1, 0) whose outside is up.
static VXLineSegment HorizontalSegment() {
  return VXLineSegment{{-1.0f, 0.0f}, {1.0f, 0.0f}, {0.0f, 1.0f}, 0.0f};
}

// Touching counts as overlap everywhere but between a circle and a rect.
TEST(VXOverlap, TouchingCountsExceptCircleToRect) {
  const VXVec2 o{0.0f, 0.0f}, p34{3.0f, 4.0f};
  EXPECT_EQ(1, VXTestPointToCircle(&p34, &o, 5.0f));
  EXPECT_EQ(0, VXTestPointToCircle(&p34, &o, 4.99f));
  EXPECT_EQ(1, VXTestCircleToCircle(&o, 2.0f, &p34, 3.0f));
  EXPECT_EQ(0, VXTestCircleToCircle(&o, 2.0f, &p34, 2.9f));
  const VXVec2 corner{5.0f, -2.0f}, out{5.01f, 0.0f};
  EXPECT_EQ(1, VXTestPointToRect(&corner, &o, 10.0f, 4.0f));
  EXPECT_EQ(0, VXTestPointToRect(&out, &o, 10.0f, 4.0f));
  const VXVec2 beside{10.0f, 0.0f}, apart{10.01f, 0.0f};
  EXPECT_EQ(1, VXTestRectToRect(&o, 10.0f, 10.0f, &beside, 10.0f, 10.0f));
  EXPECT_EQ(0, VXTestRectToRect(&o, 10.0f, 10.0f, &apart, 10.0f, 10.0f));

  const VXVec2 side{7.0f, 0.0f}, diagonal{8.0f, 9.0f};  // diagonal: 5 from the corner (5, 5)
  EXPECT_EQ(0, VXTestCircleToRect(&side, 2.0f, &o, 10.0f, 10.0f));
  EXPECT_EQ(1, VXTestCircleToRect(&side, 2.01f, &o, 10.0f, 10.0f));
  EXPECT_EQ(0, VXTestCircleToRect(&diagonal, 5.0f, &o, 10.0f, 10.0f));
  EXPECT_EQ(1, VXTestCircleToRect(&diagonal, 5.01f, &o, 10.0f, 10.0f));
  const VXVec2 inside{4.0f, 0.0f};
  EXPECT_EQ(1, VXTestCircleToRect(&inside, 0.001f, &o, 10.0f, 10.0f));
}

TEST(VXDistance, RectToRectPicksTheAxisOfLeastPenetrationAndTouchingLeavesTheNormal) {
  const VXVec2 a{0.0f, 0.0f}, touching{10.0f, 0.0f};
  VXVec2 normal{42.0f, 43.0f};
  EXPECT_EQ(0.0f, VXCalcDistRectToRect(&a, 10.0f, 10.0f, &touching, 10.0f, 10.0f, &normal));
  EXPECT_EQ(42.0f, normal.x);
  EXPECT_EQ(43.0f, normal.y);
  const VXVec2 right{8.0f, 3.0f}, below{3.0f, -8.0f};
  EXPECT_FLOAT_EQ(-2.0f, VXCalcDistRectToRect(&a, 10.0f, 10.0f, &right, 10.0f, 10.0f, &normal));
  EXPECT_EQ(-1.0f, normal.x);
  EXPECT_EQ(0.0f, normal.y);
  EXPECT_FLOAT_EQ(-2.0f, VXCalcDistRectToRect(&a, 10.0f, 10.0f, &below, 10.0f, 10.0f, &normal));
  EXPECT_EQ(0.0f, normal.x);
  EXPECT_EQ(1.0f, normal.y);
  // Equal penetration on both axes: x wins. A null normal is allowed.
  const VXVec2 diagonal{-6.0f, 6.0f};
  EXPECT_FLOAT_EQ(-4.0f, VXCalcDistRectToRect(&a, 10.0f, 10.0f, &diagonal, 10.0f, 10.0f, &normal));
  EXPECT_EQ(1.0f, normal.x);
  EXPECT_FLOAT_EQ(-4.0f, VXCalcDistRectToRect(&a, 10.0f, 10.0f, &diagonal, 10.0f, 10.0f, nullptr));
}

TEST(VXDistance, PointToRectSegmentAndLine) {
  const VXVec2 rect{0.0f, 0.0f};
  EXPECT_FLOAT_EQ(-2.0f, VXCalcDistPointToRect(&rect, &rect, 10.0f, 4.0f));  // negative depth inside
  const VXVec2 corner{8.0f, 6.0f};                                           // (3, 4) from the corner (5, 2)
  EXPECT_FLOAT_EQ(5.0f, VXCalcDistPointToRect(&corner, &rect, 10.0f, 4.0f));
  EXPECT_FLOAT_EQ(3.0f, VXCalcDistCircleToRect(&corner, 2.0f, &rect, 10.0f, 4.0f));

  const VXVec2 a{0.0f, 0.0f}, b{10.0f, 0.0f};
  const VXVec2 above{4.0f, 3.0f}, beyondB{13.0f, 4.0f}, beforeA{-3.0f, -4.0f}, onLine{5.0f, 0.0f};
  EXPECT_FLOAT_EQ(3.0f, VXCalcDistPointToLineSeg(&above, &a, &b));
  EXPECT_FLOAT_EQ(5.0f, VXCalcDistPointToLineSeg(&beyondB, &a, &b));
  EXPECT_FLOAT_EQ(5.0f, VXCalcDistPointToLineSeg(&beforeA, &a, &b));
  EXPECT_EQ(0.0f, VXCalcDistPointToLineSeg(&onLine, &a, &b));
  const VXVec2 end{1.0f, 1.0f}, p{4.0f, 5.0f};
  EXPECT_FLOAT_EQ(5.0f, VXCalcDistPointToLineSeg(&p, &end, &end));  // a degenerate segment: its end

  // Signed distance from the segment's line: positive on the normal's side.
  const VXLineSegment seg = HorizontalSegment();
  const VXVec2 up{0.0f, 2.0f}, down{5.0f, -3.0f};
  EXPECT_FLOAT_EQ(2.0f, VXStaticPointToStaticLineSegment(&up, &seg));
  EXPECT_FLOAT_EQ(-3.0f, VXStaticPointToStaticLineSegment(&down, &seg));
}

TEST(VXSwept, AgainstASegmentHitsAndReflectsOrMissesPastItsEndAndMovingParallel) {
  const VXLineSegment seg = HorizontalSegment();
  const VXVec2 start{0.0f, -1.0f}, end{0.0f, 1.0f};
  VXVec2 contact{9.0f, 9.0f}, reflection{9.0f, 9.0f};
  EXPECT_FLOAT_EQ(0.5f, VXReflectAnimatedPointOnStaticLineSegment(&start, &end, &seg, &contact, &reflection));
  EXPECT_FLOAT_EQ(0.0f, contact.x);
  EXPECT_FLOAT_EQ(0.0f, contact.y);
  EXPECT_FLOAT_EQ(0.0f, reflection.x);
  EXPECT_FLOAT_EQ(-1.0f, reflection.y);

  // A circle stops one radius short of the segment.
  const VXVec2 high{0.0f, 3.0f}, low{0.0f, -1.0f};
  EXPECT_FLOAT_EQ(0.5f, VXReflectAnimatedCircleOnStaticLineSegment(&high, &low, 1.0f, &seg, &contact, &reflection));
  EXPECT_FLOAT_EQ(1.0f, contact.y);
  EXPECT_FLOAT_EQ(2.0f, reflection.y);

  contact = {9.0f, 9.0f};
  const VXVec2 misses[][2] = {
      {{2.0f, -1.0f}, {2.0f, 1.0f}}, {{-1.0f, 0.0f}, {1.0f, 0.0f}}, {{-1.0f, 1.0f}, {1.0f, 2.0f}}};
  for (const auto& m : misses) EXPECT_EQ(-1.0f, VXAnimatedPointToStaticLineSegment(&m[0], &m[1], &seg, &contact));
  EXPECT_EQ(9.0f, contact.x);
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
