// Map selection: two map pictures start the level on that map; back returns to the menu.
#pragma once
#include "shell/BaseLevel.h"

class MapSelect : public BaseLevel {
 public:
  void Load() override {}
  void Initialize() override {}
  void Update() override;
  void Draw() override;
  void Free() override;
  void Unload() override {}
};
