// Options: full-screen and sound switches that act at once, and back to the menu.
#pragma once
#include "shell/BaseLevel.h"

// The switches between visits, for the run of the program only.
extern bool gSoundOption;
extern bool gFullScreenOption;

class Options : public BaseLevel {
 public:
  Options() : soundOn(true), fullScreen(true) {}
  void Load() override {}
  void Initialize() override;
  void Update() override;
  void Draw() override;
  void Free() override;
  void Unload() override {}

  bool soundOn;     // sound switch as shown
  bool fullScreen;  // full-screen switch as shown
};
