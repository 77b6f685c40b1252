// The team picture after the logo: in, hold and out over about a second each; a
// left or right click, Escape, Enter or Space skips it.
#pragma once
#include "screens/SplashScreen.h"

class TeamName : public SplashScreen {
 public:
  void Update() override;
  void Draw() override;
};
