// The opening logo: fades in over about four seconds and out over one; it cannot be skipped.
#pragma once
#include "shell/BaseLevel.h"

class Logo : public BaseLevel {
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
