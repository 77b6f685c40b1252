// Vexor Engine: static overlap tests, distances and swept intersection tests in 2D.
#pragma once
#include "VXMath.h"

// A static segment prepared by the caller: the normal's side is the outside.
struct VXLineSegment {
  VXVec2 p0, p1;
  VXVec2 normal;      // unit normal of the segment's line
  float normalDotP0;  // normal . p0
};

// ---- Overlap tests (1 or 0) ----
int VXTestPointToCircle(const VXVec2* pPos, const VXVec2* pCtr, float radius);
int VXTestPointToRect(const VXVec2* pPos, const VXVec2* pRect, float width, float height);
int VXTestCircleToCircle(const VXVec2* pCtr0, float radius0, const VXVec2* pCtr1, float radius1);
int VXTestCircleToRect(const VXVec2* pCtr, float radius, const VXVec2* pRect, float width, float height);  // strict
int VXTestRectToRect(const VXVec2* pRect0, float width0, float height0, const VXVec2* pRect1, float width1,
                     float height1);

// ---- Distances (negative: overlap) ----
float VXCalcDistPointToCircle(const VXVec2* pPos, const VXVec2* pCtr, float radius);
float VXCalcDistPointToRect(const VXVec2* pPos, const VXVec2* pRect, float width, float height);
float VXCalcDistPointToLineSeg(const VXVec2* pPos, const VXVec2* pLine0, const VXVec2* pLine1);
float VXCalcDistPointToConvexPoly(const VXVec2* pPos, const VXVec2* pVtx, uint32_t vtxNum);  // always -1
float VXCalcDistCircleToCircle(const VXVec2* pCtr0, float radius0, const VXVec2* pCtr1, float radius1);
float VXCalcDistCircleToRect(const VXVec2* pCtr, float radius, const VXVec2* pRect, float width, float height);
float VXCalcDistRectToRect(const VXVec2* pRect0, float width0, float height0, const VXVec2* pRect1, float width1,
                           float height1, VXVec2* pNormal);
float VXStaticPointToStaticLineSegment(const VXVec2* pPos, const VXLineSegment* pLine);

// ---- Swept tests: fraction t of the movement at contact, or -1 ----
// A movement whose start equals its end gives -1 and writes nothing.
float VXAnimatedPointToStaticLineSegment(const VXVec2* pStart, const VXVec2* pEnd, const VXLineSegment* pLine,
                                         VXVec2* pInter);
float VXAnimatedCircleToStaticLineSegment(const VXVec2* pStart, const VXVec2* pEnd, float radius,
                                          const VXLineSegment* pLine, VXVec2* pInter);
float VXReflectAnimatedPointOnStaticLineSegment(const VXVec2* pStart, const VXVec2* pEnd, const VXLineSegment* pLine,
                                                VXVec2* pInter, VXVec2* pReflect);
float VXReflectAnimatedCircleOnStaticLineSegment(const VXVec2* pStart, const VXVec2* pEnd, float radius,
                                                 const VXLineSegment* pLine, VXVec2* pInter, VXVec2* pReflect);
float VXAnimatedPointToStaticCircle(const VXVec2* pStart, const VXVec2* pEnd, const VXVec2* pCtr, float radius,
                                    VXVec2* pInter);
float VXReflectAnimatedPointOnStaticCircle(const VXVec2* pStart, const VXVec2* pEnd, const VXVec2* pCtr, float radius,
                                           VXVec2* pInter, VXVec2* pReflect);
float VXAnimatedCircleToStaticCircle(const VXVec2* pStart, const VXVec2* pEnd, float radius, const VXVec2* pCtr,
                                     float radiusStatic, VXVec2* pInter);
float VXReflectAnimatedCircleOnStaticCircle(const VXVec2* pStart, const VXVec2* pEnd, float radius, const VXVec2* pCtr,
                                            float radiusStatic, VXVec2* pInter, VXVec2* pReflect);
