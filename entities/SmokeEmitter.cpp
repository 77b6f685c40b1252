// Tower upgrade smoke.
#include "entities/SmokeEmitter.h"

#include <cstddef>

#include "entities/Sprite.h"
#include "level/SeasonState.h"
#include "resources/ResourceManager.h"

static const float kBurstInterval = 0.8f;

SmokeEmitter::SmokeEmitter(int count) : position{0.0f, 0.0f}, direction{0.0f, 0.0f}, emitTimer(0.0f), emitting(false) {
  particles.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) particles.push_back(NewParticle());
}

SmokeEmitter::~SmokeEmitter() {
  for (Particle* p : particles) {
    p->texture = nullptr;
    p->mesh = nullptr;
    delete p;
  }
}

void SmokeEmitter::Reset() {
  position = {0.0f, 0.0f};
  direction = {0.0f, 0.0f};
  emitTimer = 0.0f;
  emitting = false;
  for (Particle* p : particles) ResetParticle(p);
}

void SmokeEmitter::Update() {
  float dt = FrameDt();
  for (Particle* p : particles) {
    if (!p->dead) {
      UpdateParticle(p, dt);
    } else if (emitTimer >= kBurstInterval && emitting) {
      // One burst per call, and none while every particle lives.
      for (int i = 0; i < 4; ++i) Emit();
      emitTimer = 0.0f;
    }
  }
  if (emitting) emitTimer += dt;
}

void SmokeEmitter::Emit() {
  float r = static_cast<float>(ReseedAndDraw()) / 32767.0f;
  float angle = r * 0.06283185f;
  direction = {VXCos(angle), VXSin(angle)};
  Particle* p = FirstDeadParticle(particles);
  if (!p) return;
  ResourceManager* rm = ResourceManager::GetInstance();
  p->texture = rm->GetMiscTexture(MISC_SMOKE);
  p->mesh = rm->GetMesh(MESH_PARTICLE);
  p->position = position;
  p->velocity = direction;
  p->greyFrom = 1.0f;
  p->greyTo = 0.0f;
  p->sizeFrom = 0.0f;
  p->sizeTo = 10.0f;
  p->alphaFrom = 1.0f;
  p->alphaTo = 0.0f;
  p->dead = false;
  p->lifetime = static_cast<float>(VXRand()) / 32767.0f + 3.0f;
}

void SmokeEmitter::Draw() {
  VXGfxSetBlendMode(VX_BLEND_ALPHA);
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  for (const Particle* p : particles) {
    if (!p->dead) DrawParticle(p, 1.0f);
  }
}
