// Map selection: two map pictures start the level on that map; back returns
// to the menu. A level that could not start comes back here with its fault.
#pragma once
#include "shell/BaseLevel.h"

class MapSelect : public BaseLevel {
 public:
  void Load() override;
  void Initialize() override {}
  void Update() override;
  void Draw() override;
  void Free() override;
  void Unload() override;

  // The fault line the screen shows, or "".
  const char* ShownFault() const;

 private:
  void DrawFault();

  int faultFont = 0;  // made only while there is a fault to show
};
