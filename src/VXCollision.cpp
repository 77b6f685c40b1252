// Vexor Engine: 2D overlap tests, distances and swept intersection tests
// between points, circles, axis-aligned rectangles and line segments.
#include "VXCollision.h"

#include <cmath>

static float Sqrt(float x) {
  return static_cast<float>(std::sqrt(static_cast<double>(x)));
}

static float Smaller(float a, float b) {
  return a < b ? a : b;
}

// d is the point relative to the rectangle's centre; the border counts as inside.
static bool InsideRect(const VXVec2* d, float width, float height) {
  return std::fabs(d->x) <= width * 0.5f && std::fabs(d->y) <= height * 0.5f;
}

// Depth to the nearest edge of a point inside.
static float InsideDepth(const VXVec2* d, float width, float height) {
  return Smaller(width * 0.5f - std::fabs(d->x), height * 0.5f - std::fabs(d->y));
}

// Distance from an outside point (relative to the centre) to the rectangle.
static float OutsideDistance(const VXVec2* d, float width, float height) {
  VXVec2 nearest;
  VXVec2Set(&nearest, VXClamp(d->x, -width * 0.5f, width * 0.5f), VXClamp(d->y, -height * 0.5f, height * 0.5f));
  return VXVec2Distance(d, &nearest);
}

// ---- Overlap tests ----

int VXTestPointToCircle(const VXVec2* pPos, const VXVec2* pCtr, float radius) {
  return radius >= VXVec2Distance(pPos, pCtr) ? 1 : 0;
}

int VXTestPointToRect(const VXVec2* pPos, const VXVec2* pRect, float width, float height) {
  VXVec2 d;
  VXVec2Sub(&d, pPos, pRect);
  const float hw = width * 0.5f;
  const float hh = height * 0.5f;
  return -hw <= d.x && d.x <= hw && -hh <= d.y && d.y <= hh ? 1 : 0;
}

int VXTestCircleToCircle(const VXVec2* pCtr0, float radius0, const VXVec2* pCtr1, float radius1) {
  return radius0 + radius1 >= VXVec2Distance(pCtr0, pCtr1) ? 1 : 0;
}

// Strict: a circle that only touches the rectangle from outside does not overlap.
int VXTestCircleToRect(const VXVec2* pCtr, float radius, const VXVec2* pRect, float width, float height) {
  VXVec2 d;
  VXVec2Sub(&d, pCtr, pRect);
  if (InsideRect(&d, width, height)) return radius > -InsideDepth(&d, width, height) ? 1 : 0;
  return radius > OutsideDistance(&d, width, height) ? 1 : 0;
}

int VXTestRectToRect(const VXVec2* pRect0, float width0, float height0, const VXVec2* pRect1, float width1,
                     float height1) {
  VXVec2 d;
  VXVec2Sub(&d, pRect1, pRect0);
  return std::fabs(d.x) <= (width0 + width1) * 0.5f && std::fabs(d.y) <= (height0 + height1) * 0.5f ? 1 : 0;
}

// ---- Distances ----

float VXCalcDistPointToCircle(const VXVec2* pPos, const VXVec2* pCtr, float radius) {
  return VXVec2Distance(pPos, pCtr) - radius;
}

float VXCalcDistPointToRect(const VXVec2* pPos, const VXVec2* pRect, float width, float height) {
  VXVec2 d;
  VXVec2Sub(&d, pPos, pRect);
  if (InsideRect(&d, width, height)) return -InsideDepth(&d, width, height);
  return OutsideDistance(&d, width, height);
}

float VXCalcDistPointToLineSeg(const VXVec2* pPos, const VXVec2* pLine0, const VXVec2* pLine1) {
  VXVec2 seg;
  VXVec2Sub(&seg, pLine1, pLine0);
  const float length = VXVec2Length(&seg);
  if (length < 1e-5f) return VXVec2Distance(pPos, pLine0);

  VXVec2 rel;
  VXVec2Sub(&rel, pPos, pLine0);
  const float t = VXVec2DotProduct(&rel, &seg) / length;  // distance along the segment from its start
  if (t <= 0.0f) return VXVec2Distance(pPos, pLine0);
  if (t >= length) return VXVec2Distance(pPos, pLine1);
  const float sq = VXVec2SquareDistance(pPos, pLine0) - t * t;
  return sq > 0.0f ? Sqrt(sq) : 0.0f;
}

float VXCalcDistPointToConvexPoly(const VXVec2* pPos, const VXVec2* pVtx, uint32_t vtxNum) {
  return -1.0f;
}

float VXCalcDistCircleToCircle(const VXVec2* pCtr0, float radius0, const VXVec2* pCtr1, float radius1) {
  return VXVec2Distance(pCtr0, pCtr1) - radius0 - radius1;
}

float VXCalcDistCircleToRect(const VXVec2* pCtr, float radius, const VXVec2* pRect, float width, float height) {
  return VXCalcDistPointToRect(pCtr, pRect, width, height) - radius;
}

// Penetration along the axis of least overlap; touching is not overlapping here
// and leaves the normal as it was.
float VXCalcDistRectToRect(const VXVec2* pRect0, float width0, float height0, const VXVec2* pRect1, float width1,
                           float height1, VXVec2* pNormal) {
  VXVec2 d;
  VXVec2Sub(&d, pRect1, pRect0);
  if (std::fabs(d.x) >= (width0 + width1) * 0.5f || std::fabs(d.y) >= (height0 + height1) * 0.5f) return 0.0f;

  const float px = std::fabs(d.x) - width0 * 0.5f - width1 * 0.5f;
  const float py = std::fabs(d.y) - height0 * 0.5f - height1 * 0.5f;
  VXVec2 normal;
  float result;
  if (px >= py) {
    result = px;
    VXVec2Set(&normal, d.x >= 0.0f ? -1.0f : 1.0f, 0.0f);
  } else {
    result = py;
    VXVec2Set(&normal, 0.0f, d.y >= 0.0f ? -1.0f : 1.0f);
  }
  if (pNormal) *pNormal = normal;
  return result;
}

float VXStaticPointToStaticLineSegment(const VXVec2* pPos, const VXLineSegment* pLine) {
  return VXVec2DotProduct(&pLine->normal, pPos) - pLine->normalDotP0;
}

// ---- Swept tests against a segment ----

static bool BetweenEnds(const VXLineSegment* pLine, const VXVec2* pI) {
  VXVec2 along, back, fromP0, fromP1;
  VXVec2Sub(&along, &pLine->p1, &pLine->p0);
  VXVec2Sub(&back, &pLine->p0, &pLine->p1);
  VXVec2Sub(&fromP0, pI, &pLine->p0);
  VXVec2Sub(&fromP1, pI, &pLine->p1);
  return VXVec2DotProduct(&along, &fromP0) >= 0.0f && VXVec2DotProduct(&back, &fromP1) >= 0.0f;
}

// Shared tail of the segment tests: contact where the path has moved t.
static float SegmentContact(const VXVec2* pStart, const VXVec2* v, float t, const VXLineSegment* pLine,
                            VXVec2* pInter) {
  VXVec2 contact;
  VXVec2ScaleAdd(&contact, v, pStart, t);
  if (!BetweenEnds(pLine, &contact)) return -1.0f;
  *pInter = contact;
  return t;
}

float VXAnimatedPointToStaticLineSegment(const VXVec2* pStart, const VXVec2* pEnd, const VXLineSegment* pLine,
                                         VXVec2* pInter) {
  const VXVec2* n = &pLine->normal;
  const float c = pLine->normalDotP0;
  const float d0 = VXVec2DotProduct(n, pStart);
  const float d1 = VXVec2DotProduct(n, pEnd);
  // A point exactly on the line counts as crossing it.
  if ((d0 < c && d1 < c) || (d0 > c && d1 > c)) return -1.0f;

  VXVec2 v;
  VXVec2Sub(&v, pEnd, pStart);
  const float denominator = VXVec2DotProduct(n, &v);
  if (std::fabs(denominator) < 1e-5f) return -1.0f;

  const float t = (VXVec2DotProduct(n, &pLine->p0) - d0) / denominator;
  return SegmentContact(pStart, &v, t, pLine, pInter);
}

float VXAnimatedCircleToStaticLineSegment(const VXVec2* pStart, const VXVec2* pEnd, float radius,
                                          const VXLineSegment* pLine, VXVec2* pInter) {
  const VXVec2* n = &pLine->normal;
  const float e0 = VXVec2DotProduct(n, pStart) - pLine->normalDotP0;
  const float e1 = VXVec2DotProduct(n, pEnd) - pLine->normalDotP0;
  if ((e0 < -radius && e1 < -radius) || (e0 > radius && e1 > radius)) return -1.0f;

  VXVec2 v;
  VXVec2Sub(&v, pEnd, pStart);
  const float denominator = VXVec2DotProduct(n, &v);
  if (std::fabs(denominator) < 1e-5f) return -1.0f;

  // The centre stops one radius short of the line, on the side it comes from.
  const float offset = e0 >= 0.0f ? radius : -radius;
  const float t = (VXVec2DotProduct(n, &pLine->p0) - VXVec2DotProduct(n, pStart) + offset) / denominator;
  return SegmentContact(pStart, &v, t, pLine, pInter);
}

// The movement left after contact, mirrored on the segment's line.
static void ReflectOnLine(const VXVec2* pEnd, const VXLineSegment* pLine, const VXVec2* pInter, VXVec2* pReflect) {
  VXVec2 rest;
  VXVec2Sub(&rest, pEnd, pInter);
  const float k = 2.0f * VXVec2DotProduct(&pLine->normal, &rest);
  VXVec2Set(pReflect, rest.x - k * pLine->normal.x, rest.y - k * pLine->normal.y);
}

float VXReflectAnimatedPointOnStaticLineSegment(const VXVec2* pStart, const VXVec2* pEnd, const VXLineSegment* pLine,
                                                VXVec2* pInter, VXVec2* pReflect) {
  const float t = VXAnimatedPointToStaticLineSegment(pStart, pEnd, pLine, pInter);
  if (t > 0.0f) ReflectOnLine(pEnd, pLine, pInter, pReflect);
  return t;
}

float VXReflectAnimatedCircleOnStaticLineSegment(const VXVec2* pStart, const VXVec2* pEnd, float radius,
                                                 const VXLineSegment* pLine, VXVec2* pInter, VXVec2* pReflect) {
  const float t = VXAnimatedCircleToStaticLineSegment(pStart, pEnd, radius, pLine, pInter);
  if (t > 0.0f) ReflectOnLine(pEnd, pLine, pInter, pReflect);
  return t;
}

// ---- Swept tests against a circle ----

float VXAnimatedPointToStaticCircle(const VXVec2* pStart, const VXVec2* pEnd, const VXVec2* pCtr, float radius,
                                    VXVec2* pInter) {
  VXVec2 v, u, toCentre;
  VXVec2Sub(&v, pEnd, pStart);
  const float length = VXVec2Length(&v);
  if (length == 0.0f) return -1.0f;  // no movement has no direction to meet the circle along
  VXVec2Scale(&u, &v, 1.0f / length);

  VXVec2Sub(&toCentre, pCtr, pStart);
  const float m = VXVec2DotProduct(&u, &toCentre);
  const float q = VXVec2SquareDistance(pStart, pCtr);
  const float rr = radius * radius;
  if (m < 0.0f && rr > q) return -1.0f;  // inside and moving away
  if (q - m * m > rr) return -1.0f;      // the path's line misses the circle

  const float t = (m - Sqrt(rr - (q - m * m))) / length;
  VXVec2ScaleAdd(pInter, &v, pStart, t);

  VXVec2 back, fromEnd;
  VXVec2Sub(&back, pStart, pEnd);
  VXVec2Sub(&fromEnd, pInter, pEnd);
  if (VXVec2DotProduct(&back, &fromEnd) < 0.0f) return -1.0f;  // contact beyond the end point
  return t;
}

float VXReflectAnimatedPointOnStaticCircle(const VXVec2* pStart, const VXVec2* pEnd, const VXVec2* pCtr, float radius,
                                           VXVec2* pInter, VXVec2* pReflect) {
  const float t = VXAnimatedPointToStaticCircle(pStart, pEnd, pCtr, radius, pInter);
  if (t > 0.0f) {
    // The incoming path mirrored about the normal at the contact.
    VXVec2 n, a;
    VXVec2Sub(&n, pInter, pCtr);
    VXVec2Normalize(&n, &n);
    VXVec2Sub(&a, pStart, pInter);
    VXVec2ScaleSub(pReflect, &n, &a, 2.0f * VXVec2DotProduct(&a, &n));
  }
  return t;
}

float VXAnimatedCircleToStaticCircle(const VXVec2* pStart, const VXVec2* pEnd, float radius, const VXVec2* pCtr,
                                     float radiusStatic, VXVec2* pInter) {
  return VXAnimatedPointToStaticCircle(pStart, pEnd, pCtr, radius + radiusStatic, pInter);
}

float VXReflectAnimatedCircleOnStaticCircle(const VXVec2* pStart, const VXVec2* pEnd, float radius, const VXVec2* pCtr,
                                            float radiusStatic, VXVec2* pInter, VXVec2* pReflect) {
  return VXReflectAnimatedPointOnStaticCircle(pStart, pEnd, pCtr, radius + radiusStatic, pInter, pReflect);
}
