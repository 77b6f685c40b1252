// The base of everything drawn on the playing field: drawing state, a dead
// flag and the two per-object operations. Objects are pooled and switched in
// and out of play with SetDead.
#pragma once
#include "VXGraphics.h"
#include "VXMath.h"

class Sprite {
 public:
  Sprite();
  virtual ~Sprite();
  // true: back to idle with the class's idle values; false: into play.
  virtual void SetDead(bool isDead) = 0;
  virtual void Update() = 0;

  // transform = translation(position) x rotation(rotation) x scale(scale).
  void BuildTransform();

  int type;
  bool dead;
  VXGfxTexture* texture;  // owned by the ResourceManager
  VXGfxVertexList* mesh;  // owned by the ResourceManager
  int cell;
  VXVec2 position;
  VXVec2 velocity;
  float rotation;  // radians, counter-clockwise
  VXVec2 scale;
  float alpha;
  VXMtx33 transform;  // zero (draws nothing) until first built

 protected:
  // Placement back to idle: position, velocity, type, cell, rotation, scale.
  void ResetPlacement();
  // The idle values shared by most simple sprites: placement, no texture or mesh, opaque.
  void ResetCommon();
};

// Seconds of the last frame, the time step of every entity.
float FrameDt();
