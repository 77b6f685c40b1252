// Vexor Engine: frame pacing and measurement on a monotonic counter.
#pragma once
#include <cstdint>

extern double gVXFrameRateMax;    // the limit given to Init (0 = no limit)
extern double gVXFrameTimeMin;    // 1 / limit, or 0
extern double gVXFrameTime;       // seconds of the last completed frame, wait included
extern double gVXFrameRate;       // 1 / gVXFrameTime
extern uint32_t gVXFrameCounter;  // frames completed since the last init or reset

// ---- Frame rate controller ----
void VXFrameRateControllerInit(unsigned frameRateMax);
void VXFrameRateControllerReset(void);
void VXFrameRateControllerStart(void);
void VXFrameRateControllerEnd(void);  // busy-waits until the minimum frame time has passed
double VXFrameRateControllerGetFrameTime(void);
unsigned VXFrameRateControllerGetFrameCount(void);

// Seconds since the counter's epoch; also stored through pTime when it is not null.
double VXGetTime(double* pTime);

// ---- Clock source ----
// The counter is the system's monotonic clock unless a test scripts it. A
// scripted counter moves only when advanced, and waiting for the end of a
// frame jumps it forward instead of spinning, so a whole game can run in
// accelerated time.
int64_t VXClockCounter(void);
int64_t VXClockFrequency(void);
void VXClockUseScripted(int64_t frequency, int64_t start);
void VXClockUseSystem(void);
int VXClockIsScripted(void);
void VXClockAdvance(double seconds);
