// Prints what the engine's per-frame work costs: the headless calls that game
// tests and bots make by the million, then, when a display is there, the
// frame rate of a busy scene on a real window.
#include <chrono>
#include <cstdio>
#include <vector>

#include "VXGraphics.h"
#include "VXInput.h"
#include "VXSystem.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

VXGfxVertexList* Quad(float half) {
  VXGfxMeshStart();
  VXGfxTriAdd(-half, -half, 0xFFFFFFFFu, 0, 1, half, -half, 0xFFFFFFFFu, 1, 1, half, half, 0xFFFFFFFFu, 1, 0);
  VXGfxTriAdd(-half, -half, 0xFFFFFFFFu, 0, 1, half, half, 0xFFFFFFFFu, 1, 0, -half, half, 0xFFFFFFFFu, 0, 0);
  return VXGfxMeshEnd();
}

// One sprite's worth of calls, as the level draws every sprite.
void DrawSprite(VXGfxVertexList* mesh, VXGfxTexture* tex, float x, float y) {
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  VXGfxSetTransparency(1.0f);
  VXGfxSetTintColor(1, 1, 1, 1);
  VXGfxTextureSet(tex, 0, 0);
  VXGfxSetPosition(x, y);
  VXGfxMeshDraw(mesh, VX_DRAW_TRIANGLES);
}

void Headless() {
  VXSysInitHeadless(960, 720, 0);
  VXInputSetScripted(true);
  const unsigned char white[4] = {255, 255, 255, 255};
  VXGfxTexture* tex = VXGfxTextureLoadFromMemory(white, 1, 1);
  VXGfxVertexList* mesh = Quad(30);
  const int frames = 20000, sprites = 300;
  Clock::time_point start = Clock::now();
  for (int f = 0; f < frames; ++f) {
    VXSysFrameStart();
    VXInputUpdate();
    for (int s = 0; s < sprites; ++s) DrawSprite(mesh, tex, static_cast<float>(s), 0);
    VXGfxPrint(1, "Money 120", -400, 300, 1, 1, 1);
    VXSysFrameEnd();
  }
  double t = Seconds(start);
  printf("headless: %d frames of %d sprites: %.3f s, %.2f us per frame, %.1f ns per sprite\n", frames, sprites, t,
         t / frames * 1e6, t / (static_cast<double>(frames) * sprites) * 1e9);
  VXGfxMeshFree(mesh);
  VXGfxTextureUnload(tex);
  VXInputSetScripted(false);
  VXSysExit();
}

void Windowed() {
  if (!VXSysInit(nullptr, 1, 960, 720, 0, 0, nullptr)) {
    printf("window: no display, skipped\n");
    return;
  }
  std::vector<unsigned char> pixels(64 * 64 * 4);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<unsigned char>(i * 7);
  VXGfxTexture* tex = VXGfxTextureLoadFromMemory(pixels.data(), 64, 64);
  VXGfxVertexList* mesh = Quad(30);
  const int font = VXGfxCreateFont("Courier New", 20, false, false);
  const int frames = 60, sprites = 300;
  Clock::time_point start = Clock::now();
  for (int f = 0; f < frames; ++f) {
    VXSysFrameStart();
    VXGfxSetBlendMode(VX_BLEND_ALPHA);
    for (int s = 0; s < sprites; ++s) DrawSprite(mesh, tex, static_cast<float>(s * 3 % 900 - 450), s % 12 * 60 - 330);
    for (int line = 0; line < 10; ++line)
      VXGfxPrint(font, "Wave 3/10  Money 120  Lives 20", -460, 330 - 24 * line, 1, 1, 0);
    VXSysFrameEnd();
  }
  double t = Seconds(start);
  printf("window 960x720: %d frames of %d sprites and 10 text lines: %.1f frames/s (%.2f ms per frame)\n", frames,
         sprites, frames / t, t / frames * 1e3);
  VXGfxDestroyFont(font);
  VXGfxMeshFree(mesh);
  VXGfxTextureUnload(tex);
  VXSysExit();
}

}  // namespace

int main() {
  Headless();
  Windowed();
  return 0;
}
