// Countdowns advanced by the frame time, and the program-wide list that owns
// them and that the level ticks once per frame.
#pragma once
#include <vector>

class ITimer {
 public:
  virtual ~ITimer() {}
  virtual void Start() = 0;
  virtual void Reset() = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
  virtual void Update() = 0;
};

// Owning list; the level's Unload deletes and empties it.
std::vector<ITimer*>& GetTimerList();
void DeleteTimers();
