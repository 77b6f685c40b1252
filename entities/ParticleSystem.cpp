// Falling flowers, sunbeams, gusts and snowflakes.
#include "entities/ParticleSystem.h"

#include "entities/Sprite.h"
#include "level/SeasonState.h"
#include "resources/ResourceManager.h"

enum { SYSTEM_PARTICLES = 100 };

ParticleSystem& ParticleSystem::GetInstance() {
  static ParticleSystem instance;
  return instance;
}

ParticleSystem::ParticleSystem() : emitInterval(0.8f), emitTimer(0.0f) {}

ParticleSystem::~ParticleSystem() {
  Release();
}

void ParticleSystem::CreateParticles() {
  particles.reserve(particles.size() + SYSTEM_PARTICLES);
  for (int i = 0; i < SYSTEM_PARTICLES; ++i) particles.push_back(NewParticle());
}

void ParticleSystem::Reset() {
  emitInterval = 0.8f;
  emitTimer = 0.0f;
  for (Particle* p : particles) ResetParticle(p);
}

void ParticleSystem::Release() {
  for (Particle* p : particles) {
    p->texture = nullptr;
    p->mesh = nullptr;
    delete p;
  }
  particles.clear();
}

void ParticleSystem::Update() {
  float dt = FrameDt();
  emitTimer += dt;
  if (emitTimer >= emitInterval) {
    // An interval of 0 or less would emit forever; the pool bounds it.
    int guard = static_cast<int>(particles.size()) + 1;
    do {
      Emit();
      emitTimer = 0.0f;
    } while (emitInterval <= 0.0f && --guard > 0);
  }
  for (Particle* p : particles) {
    if (!p->dead) UpdateParticle(p, dt);
  }
}

void ParticleSystem::Emit() {
  static const float kColumnsX[10] = {0, -100, 100, -200, 200, -300, 300, 400, 500, 600};
  float x = kColumnsX[ReseedAndDraw() % 10];
  Particle* p = FirstDeadParticle(particles);
  if (!p) return;
  ResourceManager* rm = ResourceManager::GetInstance();
  p->mesh = rm->GetMesh(MESH_PARTICLE);
  int season = SeasonState::GetInstance().currentSeason;
  if (season >= 1 && season <= 4) p->texture = rm->GetBulletTexture(season - 1);
  p->position = {x, 480.0f};
  p->velocity = {0.0f, -150.0f};
  p->greyFrom = p->greyTo = 1.0f;
  p->sizeFrom = p->sizeTo = 2.0f;
  p->alphaFrom = p->alphaTo = 0.9f;
  p->dead = false;
  p->lifetime = static_cast<float>(VXRand()) / 32767.0f + 8.0f;
}

void ParticleSystem::Draw(float alphaScale) {
  VXGfxSetBlendMode(VX_BLEND_ALPHA);
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  for (const Particle* p : particles) {
    if (!p->dead) DrawParticle(p, alphaScale);
  }
}
