// Vexor Engine: frame pacing and measurement on a monotonic counter.
#pragma once
#include <cstdint>

extern double gVXFrameRateMax;    // the limit given to Init (0 = no limit)
extern double gVXFrameTimeMin;    // 1 / limit, or 0
extern double gVXFrameTime;       // seconds of the last completed frame, wait included, at most 0.25
extern double gVXFrameRate;       // 1 / gVXFrameTime
extern uint32_t gVXFrameCounter;  // frames completed since the last init or reset

// ---- Frame rate controller ----
void VXFrameRateControllerInit(unsigned frameRateMax);
void VXFrameRateControllerReset(void);
void VXFrameRateControllerStart(void);
// Waits until the minimum frame time has passed since Start, asleep but for
// a spin through the last half millisecond or so (more while sleeps wake
// late), then measures the frame. A frame
// longer than a quarter second (or than the minimum, when that is longer)
// counts as that long: after a stall the game resumes where it was.
void VXFrameRateControllerEnd(void);
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
