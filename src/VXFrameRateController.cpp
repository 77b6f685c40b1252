// Vexor Engine: caps the frame rate on a monotonic counter, sleeping through
// most of the wait, and measures every frame; the counter can be scripted so
// tests run in fake time.
#include "VXFrameRateController.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

double gVXFrameRateMax = 0.0;
double gVXFrameTimeMin = 0.0;
double gVXFrameTime = 0.0;
double gVXFrameRate = 0.0;
uint32_t gVXFrameCounter = 0;

static int64_t sFrameStart = 0;
static int64_t sFrameEnd = 0;
static int64_t sFrequency = 0;
static double sSecondsPerCount = 0.0;

// The wait sleeps until a little before the frame's end, then spins on the
// counter. How little follows how late the recent sleeps woke: tens of
// microseconds on a quiet machine, a millisecond or more on a busy one.
static const double kSpinLeast = 0.0005;
static const double kSpinMost = 0.004;
static double sLateWake = 0.0;  // seconds; the worst recent lateness, fading
// A longer frame (a suspended laptop, a debugger, a frozen desktop) counts as
// this long, so that the game resumes where it stopped instead of moving
// everything by the whole pause; no real frame comes near it.
static const double kLongestFrame = 0.25;

static bool sScripted = false;
static int64_t sScriptedFrequency = 1;
static int64_t sScriptedCounter = 0;

// ---- Clock source ----

int64_t VXClockCounter(void) {
  if (sScripted) return sScriptedCounter;
  return static_cast<int64_t>(SDL_GetPerformanceCounter());
}

int64_t VXClockFrequency(void) {
  if (sScripted) return sScriptedFrequency;
  return static_cast<int64_t>(SDL_GetPerformanceFrequency());
}

void VXClockUseScripted(int64_t frequency, int64_t start) {
  sScripted = true;
  sScriptedFrequency = frequency > 0 ? frequency : 1;  // a zero rate would divide by zero everywhere
  sScriptedCounter = start;
}

void VXClockUseSystem(void) {
  sScripted = false;
}

int VXClockIsScripted(void) {
  return sScripted ? 1 : 0;
}

void VXClockAdvance(double seconds) {
  // A monotonic counter never runs backwards.
  if (!sScripted || !(seconds > 0.0)) return;
  sScriptedCounter += std::llround(seconds * static_cast<double>(sScriptedFrequency));
}

// ---- Frame rate controller ----

static void ReadFrequency(void) {
  sFrequency = VXClockFrequency();
  sSecondsPerCount = 1.0 / static_cast<double>(sFrequency);
}

static void MeasureFrame(void) {
  sFrameEnd = VXClockCounter();
  gVXFrameTime = static_cast<double>(sFrameEnd - sFrameStart) * sSecondsPerCount;
}

// The scripted counter stands still while we wait, so instead of spinning it
// jumps to the first count at which the frame is no longer too short.
static void SkipScriptedWait(void) {
  int64_t target = sFrameStart + static_cast<int64_t>(std::ceil(gVXFrameTimeMin * static_cast<double>(sFrequency)));
  while (static_cast<double>(target - 1 - sFrameStart) * sSecondsPerCount >= gVXFrameTimeMin) --target;
  while (static_cast<double>(target - sFrameStart) * sSecondsPerCount < gVXFrameTimeMin) ++target;
  if (target > sScriptedCounter) sScriptedCounter = target;
}

static void SleepMostOfTheWait(void) {
  const double spin = std::min(kSpinLeast + sLateWake, kSpinMost);
  const double seconds = gVXFrameTimeMin - gVXFrameTime - spin;
  if (seconds <= 0.0) return;
  const double asleep = gVXFrameTime;
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  MeasureFrame();
  // A late wake counts in full at once and fades over about a second.
  const double late = gVXFrameTime - asleep - seconds;
  sLateWake = std::max(late, sLateWake * 0.97);
}

void VXFrameRateControllerInit(unsigned frameRateMax) {
  gVXFrameCounter = 0;
  gVXFrameRateMax = gVXFrameRate = frameRateMax;
  gVXFrameTimeMin = gVXFrameTime = frameRateMax ? 1.0 / frameRateMax : 0.0;
  // Reading the rate here too keeps an End without a Start from spinning forever.
  ReadFrequency();
  sFrameStart = VXClockCounter();
}

void VXFrameRateControllerReset(void) {
  gVXFrameCounter = 0;
  gVXFrameRate = gVXFrameRateMax;
  gVXFrameTimeMin = gVXFrameTime = gVXFrameRateMax != 0.0 ? 1.0 / gVXFrameRateMax : 0.0;
}

void VXFrameRateControllerStart(void) {
  ReadFrequency();
  sFrameStart = VXClockCounter();
}

void VXFrameRateControllerEnd(void) {
  MeasureFrame();
  while (gVXFrameTimeMin > gVXFrameTime) {
    if (sScripted) {
      SkipScriptedWait();
    } else {
      SleepMostOfTheWait();
    }
    MeasureFrame();
  }
  const double longest = gVXFrameTimeMin > kLongestFrame ? gVXFrameTimeMin : kLongestFrame;
  if (gVXFrameTime > longest) gVXFrameTime = longest;
  gVXFrameRate = 1.0 / gVXFrameTime;
  ++gVXFrameCounter;
}

double VXFrameRateControllerGetFrameTime(void) {
  return gVXFrameTime;
}

unsigned VXFrameRateControllerGetFrameCount(void) {
  return gVXFrameCounter;
}

double VXGetTime(double* pTime) {
  const int64_t f = VXClockFrequency();
  const int64_t c = VXClockCounter();
  // Splitting off the whole seconds keeps the fraction exact for large counts.
  const int64_t whole = c / f;
  const int64_t remainder = c - whole * f;
  const double seconds = static_cast<double>(remainder) / static_cast<double>(f) + static_cast<double>(whole);
  if (pTime) *pTime = seconds;
  return seconds;
}
