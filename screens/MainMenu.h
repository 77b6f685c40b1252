// The hub: new game, help, options, credits and exit, which asks first.
#pragma once
#include "shell/BaseLevel.h"

class MainMenu : public BaseLevel {
 public:
  void Load() override {}
  void Initialize() override;
  void Update() override;
  void Draw() override;
  void Free() override;
  void Unload() override {}

  bool quitConfirm;  // the quit question is shown
};
