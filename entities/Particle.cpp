// Life of one particle: ageing, interpolation, movement, drawing.
#include "entities/Particle.h"

Particle* NewParticle() {
  Particle* p = new Particle();  // value-initialised: every field zero
  p->dead = true;
  return p;
}

Particle* FirstDeadParticle(const std::vector<Particle*>& pool) {
  for (Particle* p : pool) {
    if (p->dead) return p;
  }
  return nullptr;
}

void ResetParticle(Particle* p) {
  VXMtx33 keep = p->transform;
  *p = Particle();
  p->dead = true;
  p->transform = keep;
}

void UpdateParticle(Particle* p, float dt) {
  p->age += dt;
  if (p->age >= p->lifetime) {
    ResetParticle(p);
    return;
  }
  float t = p->age / p->lifetime;
  p->alpha = p->alphaFrom * (1.0f - t) + p->alphaTo * t;
  p->grey = p->greyFrom * (1.0f - t) + p->greyTo * t;
  p->size = p->sizeFrom * (1.0f - t) + p->sizeTo * t;
  p->position.x += p->velocity.x * dt;
  p->position.y += p->velocity.y * dt;
  p->transform = VXMtx33{{{p->size, 0.0f, p->position.x}, {0.0f, p->size, p->position.y}, {0.0f, 0.0f, 1.0f}}};
}

void DrawParticle(const Particle* p, float alphaScale) {
  float a = p->alpha * alphaScale;
  VXGfxSetTransparency(a);
  VXGfxSetTintColor(p->grey, p->grey, p->grey, a);
  VXGfxSetTransform(&p->transform);
  VXGfxTextureSet(p->texture, 0.0f, 0.0f);
  VXGfxMeshDraw(p->mesh, VX_DRAW_TRIANGLES);
}
