// The shared pieces of the menu screens' Update and Draw.
#include "screens/ScreenKit.h"

#include "VXInput.h"
#include "VXMath.h"
#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"

bool ScreenBoxHolds(const ScreenBox& box, int x, int y) {
  return box.left <= x && x <= box.right && box.top <= y && y <= box.bottom;
}

int ScreenBoxAt(const ScreenBox* boxes, int count, int x, int y) {
  for (int b = 0; b < count; ++b) {
    if (ScreenBoxHolds(boxes[b], x, y)) return b;
  }
  return -1;
}

bool ScreenClicked() {
  return VXInputCheckTriggered(VX_KEY_LBUTTON);
}

void ScreenBeginUpdate(bool updateSound, int* pX, int* pY) {
  if (updateSound) SoundManager::GetInstance()->Update();
  VXGfxSetCamPosition(0.0f, 0.0f);
  VXInputGetCursorPosition(pX, pY);
}

ResourceManager* ScreenBeginDraw(int* pX, int* pY) {
  VXInputGetCursorPosition(pX, pY);
  ResourceManager* resources = ResourceManager::GetInstance();
  VXGfxSetBlendMode(VX_BLEND_ALPHA);
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  VXGfxSetTransparency(1.0f);
  VXGfxSetTintColor(1.0f, 1.0f, 1.0f, 1.0f);
  return resources;
}

void ScreenDrawElement(VXGfxTexture* texture, VXGfxVertexList* mesh, float x, float y, bool enlarge) {
  VXGfxSetPosition(x, y);
  if (enlarge) {
    // Translation on the left, so the picture grows about its own centre.
    VXMtx33 trans, scale, world;
    VXMtx33Trans(&trans, x, y);
    VXMtx33Scale(&scale, 1.1f, 1.1f);
    VXMtx33Concat(&world, &trans, &scale);
    VXGfxSetTransform(&world);
  }
  VXGfxTextureSet(texture, 0.0f, 0.0f);
  VXGfxMeshDraw(mesh, VX_DRAW_TRIANGLES);
}

void ScreenDrawFaded(VXGfxTexture* texture, VXGfxVertexList* mesh, float alpha) {
  VXGfxSetBlendMode(VX_BLEND_ALPHA);
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  VXGfxSetTransparency(alpha);
  VXGfxSetTintColor(1.0f, 1.0f, 1.0f, 1.0f);
  VXGfxSetPosition(0.0f, 0.0f);
  VXGfxTextureSet(texture, 0.0f, 0.0f);
  VXGfxMeshDraw(mesh, VX_DRAW_TRIANGLES);
}

void ScreenDrawButton(VXGfxTexture* face, VXGfxTexture* hoverFace, VXGfxVertexList* mesh, float x, float y,
                      const ScreenBox& hoverBox, int cursorX, int cursorY, bool enlargeOnHover) {
  bool hover = ScreenBoxHolds(hoverBox, cursorX, cursorY);
  ScreenDrawElement(hover ? hoverFace : face, mesh, x, y, hover && enlargeOnHover);
}

void ScreenDrawBack(ResourceManager* res, const ScreenButtonPlace& back, int cursorX, int cursorY) {
  ScreenDrawButton(res->GetButton(BTN_BACK), res->GetButton(BTN_BACK_HOVER), res->GetMesh(MESH_JUMP_BUTTONS), back.x,
                   back.y, back.box, cursorX, cursorY, false);
}

void ScreenDrawButtonColumn(ResourceManager* res, int meshId, const int* faces, const float* worldY,
                            const ScreenBox* boxes, int count, int cursorX, int cursorY) {
  for (int b = 0; b < count; ++b) {
    ScreenDrawButton(res->GetButton(faces[b]), res->GetButton(faces[b] + 1), res->GetMesh(meshId), 0, worldY[b],
                     boxes[b], cursorX, cursorY, true);
  }
}

void ScreenPlaySound(int soundId) {
  SoundManager* sound = SoundManager::GetInstance();
  sound->Play(sound->GetSound(soundId));
}
