// A countdown that calls a member operation of its owner when it runs out,
// then rewinds and stops until started again.
#pragma once
#include "entities/ITimer.h"
#include "entities/Sprite.h"

template <typename T>
class Timer : public ITimer {
 public:
  typedef void (T::*Callback)();

  Timer(T* owner_, Callback callback_, float interval_)
      : owner(owner_), callback(callback_), remaining(interval_), interval(interval_), running(false), paused(false) {}

  void Start() override { running = true; }
  void Reset() override {
    running = false;
    paused = false;
    remaining = interval;
  }
  void Pause() override {
    if (running && !paused) paused = true;
  }
  void Resume() override { paused = false; }
  // A paused timer still counts: the pause flag is a second run flag.
  void Update() override {
    if (!running && !paused) return;
    remaining -= FrameDt();
    if (remaining > 0.0f) return;
    if (callback && owner) (owner->*callback)();
    Reset();
  }

  T* owner;
  Callback callback;
  float remaining;
  float interval;
  bool running;
  bool paused;
};
