// Horizontal edge scrolling of the playing field, settling on whole columns.
#pragma once

class LevelCamera {
 public:
  static LevelCamera& GetInstance();

  void Update();
  // Puts the renderer's camera and its visible rectangle around (x, y).
  static void SetCamera(float x, float y);

  float step;
  int rightEdge;
  int bottomEdge;
  int leftEdge;
  int cursorX, cursorY;
  float viewX, viewY;
  // The camera as the last frame showed it: this frame's clicks land in that
  // view, even where this frame's scrolling or snapping has moved on.
  float shownX;

 private:
  LevelCamera();
};
