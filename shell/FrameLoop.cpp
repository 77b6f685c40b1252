#include "shell/FrameLoop.h"

#include "VXInput.h"
#include "VXSystem.h"
#include "shell/GameStateManager.h"

bool FrameLoopShouldQuit() {
  GameStateManager& gsm = GameStateManager::GetInstance();
  // A quit request is carried out in one frame and ends the loop in the next.
  return gsm.nextState == STATE_QUIT && gsm.currentState == STATE_QUIT;
}

void FrameLoopRunFrame() {
  GameStateManager& gsm = GameStateManager::GetInstance();
  VXSysFrameStart();
  VXInputUpdate();
  VXInputShowCursor(1);
  if (!VXSysDoesWindowExist()) gsm.nextState = STATE_QUIT;
  gsm.Update();
  VXSysFrameEnd();
}
