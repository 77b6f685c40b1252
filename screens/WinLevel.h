// The victory screen: play the same map again, choose another, or return to the menu.
#pragma once
#include "shell/BaseLevel.h"

class WinLevel : public BaseLevel {
 public:
  void Load() override {}
  void Initialize() override;
  void Update() override;
  void Draw() override;
  void Free() override;
  void Unload() override {}
};
