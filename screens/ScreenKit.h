// The pattern every menu screen follows: inclusive click boxes in cursor
// pixels, elements drawn at world positions, hover faces and enlargement.
#pragma once
#include "VXGraphics.h"

// x a to b, y c to d, both ends included; cursor pixels, y downwards.
struct ScreenBox {
  int left, right, top, bottom;
};

// A button's click box and the world point its picture is drawn at.
struct ScreenButtonPlace {
  ScreenBox box;
  float x, y;
};

// The Back button of map selection, options and credits, and that of the help pages.
inline constexpr ScreenButtonPlace kScreenMenuBack = {{95, 210, 555, 600}, -330, -220};
inline constexpr ScreenButtonPlace kScreenHelpBack = {{70, 190, 575, 635}, -350, -250};

bool ScreenBoxHolds(const ScreenBox& box, int x, int y);

// The first of count boxes, in table order, that holds (x, y); -1 when none does.
int ScreenBoxAt(const ScreenBox* boxes, int count, int x, int y);

// The left mouse button went down this frame.
bool ScreenClicked();

// Start of a screen's Update: the sound library's update where the screen wants
// it, the camera to the origin; returns the cursor through pX, pY.
void ScreenBeginUpdate(bool updateSound, int* pX, int* pY);

class ResourceManager;

// Start of a screen's Draw: the cursor, the resource manager (built by its
// first use), then alpha blending, the texture program, full opacity and a white tint.
ResourceManager* ScreenBeginDraw(int* pX, int* pY);

// One picture on a mesh at world (x, y); enlarged by 10 % about its centre when asked.
void ScreenDrawElement(VXGfxTexture* texture, VXGfxVertexList* mesh, float x, float y, bool enlarge = false);

// A splash picture at the origin, drawn at the given transparency with a white tint.
void ScreenDrawFaded(VXGfxTexture* texture, VXGfxVertexList* mesh, float alpha);

// A button: the hover face while the box holds the cursor, enlarged then if the screen says so.
void ScreenDrawButton(VXGfxTexture* face, VXGfxTexture* hoverFace, VXGfxVertexList* mesh, float x, float y,
                      const ScreenBox& hoverBox, int cursorX, int cursorY, bool enlargeOnHover);

// A Back button at its place; not enlarged on hover.
void ScreenDrawBack(ResourceManager* res, const ScreenButtonPlace& back, int cursorX, int cursorY);

// A column of buttons at x = 0: faces are button ids whose hover face is the
// next id, each at its world y, enlarged while its box holds the cursor.
void ScreenDrawButtonColumn(ResourceManager* res, int meshId, const int* faces, const float* worldY,
                            const ScreenBox* boxes, int count, int cursorX, int cursorY);

// Plays one of the sound manager's sounds by id (muted while sound is off).
void ScreenPlaySound(int soundId);
