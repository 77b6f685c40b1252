// Edge scrolling between 0 and 240, snapping back onto multiples of 60.
#include "level/LevelCamera.h"

#include "VXGraphics.h"
#include "VXInput.h"

static const float kScrollStep = 5.0f;
static const float kScrollMax = 240.0f;

LevelCamera& LevelCamera::GetInstance() {
  static LevelCamera instance;
  return instance;
}

LevelCamera::LevelCamera()
    : step(0.0f),
      rightEdge(960),
      bottomEdge(720),
      leftEdge(0),
      cursorX(0),
      cursorY(0),
      viewX(0.0f),
      viewY(0.0f),
      shownX(0.0f) {
  SetCamera(0.0f, 0.0f);
}

void LevelCamera::SetCamera(float x, float y) {
  VXGfxSetCamPosition(x, y);
  gVXCamPosX = x;
  gVXCamPosY = y;
  float halfW = static_cast<float>(gVXWindowWidth) / 2.0f;
  float halfH = static_cast<float>(gVXWindowHeight) / 2.0f;
  gVXWinMinX = x - halfW;
  gVXWinMaxX = x + halfW;
  gVXWinMinY = y - halfH;
  gVXWinMaxY = y + halfH;
}

void LevelCamera::Update() {
  VXInputGetCursorPosition(&cursorX, &cursorY);
  float camX = gVXCamPosX;
  shownX = camX;
  if (cursorX >= rightEdge - 10 && camX < kScrollMax) {
    step = kScrollStep;
    SetCamera(camX + kScrollStep, 0.0f);
  } else if (cursorX <= leftEdge && camX > 0.0f) {
    step = -kScrollStep;
    SetCamera(camX - kScrollStep, 0.0f);
  } else {
    // Settle on whole columns, one unit per frame.
    int r = static_cast<int>(camX) % 60;
    if (r > 30) {
      SetCamera(camX + 1.0f, 0.0f);
    } else if (r >= 1) {
      SetCamera(camX - 1.0f, 0.0f);
    }
  }
  if (VXInputCheckCurr(VX_KEY_RBUTTON)) SetCamera(0.0f, 0.0f);
  viewX = gVXCamPosX;
  viewY = gVXCamPosY;
}
