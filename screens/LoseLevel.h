// The defeat screen: try the same map again, choose another, return to the menu, or quit.
#pragma once
#include "shell/BaseLevel.h"

class LoseLevel : public BaseLevel {
 public:
  void Load() override {}
  void Initialize() override;
  void Update() override;
  void Draw() override;
  void Free() override;
  void Unload() override {}
};
