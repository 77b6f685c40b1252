// The credits picture and a way back to the menu.
#pragma once
#include "shell/BaseLevel.h"

class Credits : public BaseLevel {
 public:
  void Load() override {}
  void Initialize() override {}
  void Update() override;
  void Draw() override;
  void Free() override;
  void Unload() override {}
};
