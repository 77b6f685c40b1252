// The second help page, the objective: back leads to the first page.
#pragma once
#include "shell/BaseLevel.h"

class Help2 : public BaseLevel {
 public:
  void Load() override {}
  void Initialize() override {}
  void Update() override;
  void Draw() override;
  void Free() override;
  void Unload() override {}
};
