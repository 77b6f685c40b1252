// The team picture after the logo: in, hold and out over about a second each; a
// left or right click, Escape, Enter or Space skips it.
#pragma once
#include "shell/BaseLevel.h"

class TeamName : public BaseLevel {
 public:
  void Load() override;
  void Initialize() override {}
  void Update() override;
  void Draw() override;
  void Free() override {}
  void Unload() override {}

  float timer;  // seconds of hold
  float alpha;  // 0 invisible, 1 opaque
  bool fadedIn;
};
