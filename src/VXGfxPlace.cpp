// Vexor Engine: where a held-back draw lands on the window, and what it may
// be spared. Software renderers pay for every pixel they shade, so the fast
// path drops draws that cannot change a pixel, draws opaque pictures with
// blending off, takes the batch program (no uniforms) when offset and blend colour
// add nothing, and keeps a blended picture to the part of the window where it
// is not fully transparent. Each leaves every pixel as the reference path
// draws it.
#include <cmath>
#include <cstring>

#include "VXGfxInternal.h"
#include "VXGfxPicture.h"
#include "VXGfxQueue.h"
#include "VXGfxShader.h"
#include "VXGfxState.h"

namespace {

// Drawing only a picture's visible part pays from this many pixels spared on.
const long kClipGain = 256;

// A window rectangle in GL's pixel coordinates (origin bottom left).
struct Box {
  double x0, y0, x1, y1;
};

const int* Viewport() {
  return VXGfxState().viewport;  // the held draw's own: any other makes a new camera
}

// Local to clip coordinates: projection x view (the camera's, multiplied once) x world.
void LocalToClip(const double* projectionView, const float* world, double* out) {
  for (int c = 0; c < 4; ++c)
    for (int r = 0; r < 4; ++r) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += projectionView[4 * k + r] * static_cast<double>(world[4 * c + k]);
      out[4 * c + r] = sum;
    }
}

// The window box around a local rectangle at depth z; false when the mapping
// is not a flat one inside the depth range (then nothing is assumed).
bool WindowBox(const double* m, double x0, double y0, double x1, double y1, double z, Box* out) {
  const int* view = Viewport();
  const double xs[2] = {x0, x1}, ys[2] = {y0, y1};
  Box box = {1e300, 1e300, -1e300, -1e300};
  for (double x : xs)
    for (double y : ys) {
      const double cx = m[0] * x + m[4] * y + m[8] * z + m[12];
      const double cy = m[1] * x + m[5] * y + m[9] * z + m[13];
      const double cz = m[2] * x + m[6] * y + m[10] * z + m[14];
      const double cw = m[3] * x + m[7] * y + m[11] * z + m[15];
      if (!(std::fabs(cw - 1.0) < 1e-9 && cz >= -1.0 && cz <= 1.0)) return false;
      const double wx = view[0] + (cx + 1.0) * 0.5 * view[2];
      const double wy = view[1] + (cy + 1.0) * 0.5 * view[3];
      box = {std::fmin(box.x0, wx), std::fmin(box.y0, wy), std::fmax(box.x1, wx), std::fmax(box.y1, wy)};
    }
  *out = box;
  return true;
}

bool OutsideViewport(const Box& b) {
  const int* view = Viewport();
  // A pixel of margin for the distance between these doubles and the GPU's floats.
  return b.x1 < view[0] - 1.0 || b.y1 < view[1] - 1.0 || b.x0 > view[0] + view[2] + 1.0 ||
         b.y0 > view[1] + view[3] + 1.0;
}

VXGfxPixelRect Rect(double x0, double y0, double x1, double y1) {
  if (x1 <= x0 || y1 <= y0) return VXGfxPixelRect{0, 0, 0, 0};
  return VXGfxPixelRect{static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0),
                        static_cast<int>(y1 - y0)};
}

// The pixels whose centres lie inside a box by a safe margin, within the viewport.
VXGfxPixelRect Inside(const Box& b) {
  const int* view = Viewport();
  const double m = 0.05;
  return Rect(std::fmax(std::ceil(b.x0 + m - 0.5), view[0]), std::fmax(std::ceil(b.y0 + m - 0.5), view[1]),
              std::fmin(std::floor(b.x1 - m - 0.5) + 1.0, view[0] + view[2]),
              std::fmin(std::floor(b.y1 - m - 0.5) + 1.0, view[1] + view[3]));
}

// The pixels a rasteriser may write for a shape inside a box: those whose
// centres lie in it, give or take a margin for the distance between these
// doubles and the rasteriser's sums (floats, then 1/256 pixel steps).
VXGfxPixelRect Reach(const Box& b) {
  const int* view = Viewport();
  const double m = 0.05;
  return Rect(std::fmax(std::ceil(b.x0 - m - 0.5), view[0]), std::fmax(std::ceil(b.y0 - m - 0.5), view[1]),
              std::fmin(std::floor(b.x1 + m - 0.5) + 1.0, view[0] + view[2]),
              std::fmin(std::floor(b.y1 + m - 0.5) + 1.0, view[1] + view[3]));
}

// Whole pixels around a box, grown by a margin, within the viewport.
VXGfxPixelRect Pixels(const Box& b, double margin) {
  const int* view = Viewport();
  return Rect(std::fmax(std::floor(b.x0 - margin), view[0]), std::fmax(std::floor(b.y0 - margin), view[1]),
              std::fmin(std::ceil(b.x1 + margin), view[0] + view[2]),
              std::fmin(std::ceil(b.y1 + margin), view[1] + view[3]));
}

long Area(const VXGfxPixelRect& r) {
  return static_cast<long>(r.w) * r.h;
}

bool Overlap(const VXGfxPixelRect& a, const VXGfxPixelRect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

VXGfxPixelRect Union(const VXGfxPixelRect& a, const VXGfxPixelRect& b) {
  if (Area(a) == 0) return b;
  if (Area(b) == 0) return a;
  const int x0 = a.x < b.x ? a.x : b.x, y0 = a.y < b.y ? a.y : b.y;
  const int x1 = a.x + a.w > b.x + b.w ? a.x + a.w : b.x + b.w;
  const int y1 = a.y + a.h > b.y + b.h ? a.y + a.h : b.y + b.h;
  return VXGfxPixelRect{x0, y0, x1 - x0, y1 - y0};
}

// Every world-matrix column that a flat mesh's x and y reach is zero: each
// vertex lands on the same point and no pixel is covered.
bool Collapsed(const VXGfxMeshShape& shape, const float* world) {
  for (int i = 0; i < 8; ++i) {
    if (world[i] != 0.0f) return false;
  }
  return shape.bounds[2] == 0.0f && shape.bounds[5] == 0.0f;
}

// Where the picture's visible regions fall on the window: the rectangles to
// draw through, 0 when the whole box is as cheap, -1 when none reaches the window.
int VisibleParts(const VXGfxMeshShape& shape, const VXGfxTexture* tex, const double* m, const Box& whole,
                 VXGfxPixelRect* parts) {
  const VXGfxPictureNotes& notes = *tex->pNotes;
  const float* b = shape.bounds;
  const double w = static_cast<double>(b[3]) - b[0], h = static_cast<double>(b[4]) - b[1];
  const double texW = tex->width, texH = tex->height;
  int count = 0;
  long area = 0;
  for (int i = 0; i < notes.regions; ++i) {
    const int* r = notes.region[i];
    // Pixels on the quad's edges may sample just past them, which the
    // repeat wrap brings back from the opposite edge of the picture.
    if (r[0] == 0 || r[1] == 0 || r[2] == tex->width || r[3] == tex->height) return 0;
    // Texel columns map left to right on x, texel rows top down on y.
    const double x0 = b[0] + w * r[0] / texW, x1 = b[0] + w * r[2] / texW;
    const double y1 = b[4] - h * r[1] / texH, y0 = b[4] - h * r[3] / texH;
    Box box;
    if (!WindowBox(m, x0, y0, x1, y1, b[2], &box)) return 0;
    // A pixel of margin: a pixel outside samples a texel outside the region.
    VXGfxPixelRect part = Pixels(box, 1.0);
    if (Area(part) == 0) continue;
    parts[count++] = part;
    area += Area(part);
  }
  // Parts that touch would blend twice where they meet: draw their union once.
  for (int i = 0; i < count; ++i)
    for (int j = i + 1; j < count; ++j) {
      if (!Overlap(parts[i], parts[j])) continue;
      VXGfxPixelRect all = parts[0];
      for (int k = 1; k < count; ++k) all = Union(all, parts[k]);
      parts[0] = all;
      count = 1;
      area = Area(all);
    }
  const long full = Area(Pixels(whole, 0.0));
  if (count == 0) return -1;
  if (area * 4 > full * 3 || full - area < kClipGain) return 0;
  return count;
}

bool Neutral(const float* blend, const float* offset) {
  return blend[3] == 0.0f && std::isfinite(blend[0]) && std::isfinite(blend[1]) && std::isfinite(blend[2]) &&
         offset[0] == 0.0f && offset[1] == 0.0f;
}

void Tell(const VXGfxMeshShape& shape, const VXGfxTexture* tex, const double* m, const float* tint, float alpha,
          int blend) {
  VXGfxQuadNote note = {};
  note.texture = tex;
  const float* b = shape.bounds;
  const double xs[4] = {b[0], b[3], b[3], b[0]}, ys[4] = {b[1], b[1], b[4], b[4]};
  for (int i = 0; i < 4; ++i) {
    Box corner;
    WindowBox(m, xs[i], ys[i], xs[i], ys[i], b[2], &corner);
    note.corners[i][0] = corner.x0;
    note.corners[i][1] = corner.y0;
  }
  memcpy(note.color, tint, sizeof(float) * 3);
  note.color[3] = alpha;
  note.blend = blend;
  gVXGfxQuadWatcher(&note);
}

// Where it lands and what it surely writes.
void Place(VXGfxHeld& e, const VXGfxMeshShape& shape, const double* m, const Box& whole) {
  const int* view = Viewport();
  const float* b = shape.bounds;
  // Local area times the mapping's stretch, in window pixels.
  e.area = std::fabs(m[0] * m[5] - m[1] * m[4]) * view[2] * view[3] / 4.0 * (static_cast<double>(b[3]) - b[0]) *
           (static_cast<double>(b[4]) - b[1]);
  e.box = Reach(whole);
  e.inside = whole.x0 >= view[0] + 1.0 && whole.y0 >= view[1] + 1.0 && whole.x1 <= view[0] + view[2] - 1.0 &&
             whole.y1 <= view[1] + view[3] - 1.0;
  // Blending off and a rectangle square to the window: every pixel whose
  // centre lies inside is written, whatever was there.
  const bool square = m[1] == 0.0 && m[4] == 0.0;
  e.covers = e.blend == VX_BLEND_NONE && shape.kind == VX_SHAPE_PICTURE_QUAD && square;
  if (e.covers) e.inner = Inside(whole);
  e.covers = e.covers && Area(e.inner) > 0;
}

}  // namespace

void (*gVXGfxQuadWatcher)(const VXGfxQuadNote*) = nullptr;

bool VXGfxQueueHold(const VXGfxVertexList* mesh, int drawMode) {
  const VXGfxRenderState& state = VXGfxState();
  const float(*u)[16] = state.uniforms[VX_RENDER_TEXTURE];
  const float alphaScale = u[VX_U_TRANSPARENCY][0] * u[VX_U_TINT][3];
  const bool blending = state.blend != VX_BLEND_NONE;
  const VXGfxTexture* tex = state.texture;
  const unsigned texture = tex && tex->pName ? *tex->pName : 0;
  const bool noted = texture != 0 && tex->pNotes;
  const VXGfxMeshShape* shape = mesh->pShape;
  // A blended draw whose alpha is zero everywhere leaves every pixel as it was.
  if ((blending && (alphaScale == 0.0f || (noted && tex->pNotes->regions == 0))) ||
      (shape && Collapsed(*shape, u[VX_U_WORLD]))) {
    ++gVXGfxCounters.drawsSkipped;
    return true;
  }
  VXGfxHeld* slot = VXGfxQueueSlot(u[VX_U_PROJECTION], u[VX_U_VIEW], state.viewport);
  if (!slot) return false;
  VXGfxHeld& e = *slot;
  double m[16];
  Box whole;
  const bool flat = shape && shape->kind != VX_SHAPE_UNKNOWN && shape->bounds[2] == shape->bounds[5];
  LocalToClip(e.camera->product, u[VX_U_WORLD], m);
  const float* b = shape ? shape->bounds : nullptr;
  e.placed = flat && WindowBox(m, b[0], b[1], b[3], b[4], b[2], &whole);
  if (e.placed && OutsideViewport(whole)) {
    ++gVXGfxCounters.drawsSkipped;
    return true;
  }
  const bool neutral = Neutral(u[VX_U_BLEND], u[VX_U_OFFSET]);
  const bool quad = shape && shape->kind == VX_SHAPE_PICTURE_QUAD;
  e.parts = 0;
  if (blending && noted && e.placed && neutral && !tex->pNotes->linear && quad)
    e.parts = VisibleParts(*shape, tex, m, whole, e.part);
  if (e.parts < 0) {
    ++gVXGfxCounters.drawsSkipped;
    return true;
  }
  // Fully opaque texels at alpha 1: blending would give back the source.
  const bool opaque = state.blend == VX_BLEND_ALPHA && noted && tex->pNotes->opaque && alphaScale == 1.0f;
  if (gVXGfxQuadWatcher && e.placed && quad && texture != 0)
    Tell(*shape, tex, m, u[VX_U_TINT], alphaScale, state.blend);
  e.mesh = mesh;
  e.drawMode = drawMode;
  // The batch program takes the world matrix and colour from the vertices
  // of a small mesh's whole triangles; anything else draws as asked.
  const bool batch = neutral && e.placed && shape->batchVertices > 0 && drawMode == VX_DRAW_TRIANGLES;
  e.program = batch ? VX_PROGRAM_BATCH : VX_PROGRAM_TEXTURE;
  e.texture = texture;
  e.blend = opaque ? VX_BLEND_NONE : state.blend;
  memcpy(e.world, u[VX_U_WORLD], sizeof(e.world));
  memcpy(e.tint, u[VX_U_TINT], sizeof(e.tint));
  memcpy(e.transparency, u[VX_U_TRANSPARENCY], sizeof(e.transparency));
  memcpy(e.blendColor, u[VX_U_BLEND], sizeof(e.blendColor));
  memcpy(e.offset, u[VX_U_OFFSET], sizeof(e.offset));
  e.covers = false;
  e.inside = false;
  e.area = 0.0;
  if (e.placed) Place(e, *shape, m, whole);
  VXGfxQueueAdd();
  return true;
}
