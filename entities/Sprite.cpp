// Sprite base: construction defaults, the common reset and the world matrix.
#include "entities/Sprite.h"

#include "VXFrameRateController.h"

Sprite::Sprite()
    : type(0),
      dead(true),
      texture(nullptr),
      mesh(nullptr),
      cell(0),
      position{0.0f, 0.0f},
      velocity{0.0f, 0.0f},
      rotation(0.0f),
      scale{1.0f, 1.0f},
      alpha(1.0f),
      transform{} {}

Sprite::~Sprite() {
  texture = nullptr;
  mesh = nullptr;
}

void Sprite::BuildTransform() {
  VXMtx33 trans, rot, scl;
  VXMtx33Trans(&trans, position.x, position.y);
  VXMtx33Rot(&rot, rotation);
  VXMtx33Scale(&scl, scale.x, scale.y);
  VXMtx33Concat(&transform, &rot, &scl);
  VXMtx33Concat(&transform, &trans, &transform);
}

void Sprite::ResetPlacement() {
  type = 0;
  position = {0.0f, 0.0f};
  velocity = {0.0f, 0.0f};
  cell = 0;
  rotation = 0.0f;
  scale = {1.0f, 1.0f};
}

void Sprite::ResetCommon() {
  ResetPlacement();
  texture = nullptr;
  mesh = nullptr;
  alpha = 1.0f;
}

float FrameDt() {
  return static_cast<float>(gVXFrameTime);
}
