// The first help page, the controls: back to the menu or on to the second page.
#pragma once
#include "shell/BaseLevel.h"

class Help : public BaseLevel {
 public:
  void Load() override {}
  void Initialize() override {}
  void Update() override;
  void Draw() override;
  void Free() override;
  void Unload() override {}
};
