// The opening logo: fades in over about four seconds and out over one; it cannot be skipped.
#pragma once
#include "screens/SplashScreen.h"

class Logo : public SplashScreen {
 public:
  void Update() override;
  void Draw() override;
};
