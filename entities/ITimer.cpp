// The program-wide timer list.
#include "entities/ITimer.h"

namespace {
struct TimerList {
  std::vector<ITimer*> timers;
  ~TimerList() {
    for (ITimer* t : timers) delete t;
  }
};
}  // namespace

std::vector<ITimer*>& GetTimerList() {
  static TimerList list;
  return list.timers;
}

void DeleteTimers() {
  std::vector<ITimer*>& timers = GetTimerList();
  for (ITimer* t : timers) delete t;
  timers.clear();
}
