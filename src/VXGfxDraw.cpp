// Vexor Engine: how a mesh draw reaches GL. Software renderers pay for every
// pixel they shade, so the fast path skips draws that cannot change a pixel,
// draws opaque pictures with blending off, takes the plain texture program
// when offset and blend colour add nothing, and keeps a blended picture to
// the part of the window where it is not fully transparent. Every one of these
// leaves each pixel as the reference path draws it.
#include <cmath>
#include <cstring>

#include "VXGfxInternal.h"
#include "VXGfxQueue.h"
#include "VXGraphics.h"

namespace {

int sViewport[4] = {0, 0, 0, 0};
// Drawing only a picture's visible part pays from this many pixels spared on.
const long kClipGain = 256;
int sGLBlend = -1;  // the blend mode GL holds; -1 when not known

// A window rectangle in GL's pixel coordinates (origin bottom left).
struct Box {
  double x0, y0, x1, y1;
};

// Local to clip coordinates for the current render mode: projection x view x world.
void LocalToClip(double* out) {
  const int mode = gVXCurrentProgram;
  const float* factors[3] = {VXGfxUniformGet(mode, VX_U_PROJECTION), VXGfxUniformGet(mode, VX_U_VIEW),
                             VXGfxUniformGet(mode, VX_U_WORLD)};
  double m[16];
  for (int i = 0; i < 16; ++i) m[i] = factors[0][i];
  for (int f = 1; f < 3; ++f) {
    double product[16];
    for (int c = 0; c < 4; ++c)
      for (int r = 0; r < 4; ++r) {
        double sum = 0.0;
        for (int k = 0; k < 4; ++k) sum += m[4 * k + r] * static_cast<double>(factors[f][4 * c + k]);
        product[4 * c + r] = sum;
      }
    memcpy(m, product, sizeof(m));
  }
  memcpy(out, m, sizeof(m));
}

// The window box around a local rectangle at depth z; false when the mapping
// is not a flat one inside the depth range (then nothing is assumed).
bool WindowBox(const double* m, double x0, double y0, double x1, double y1, double z, Box* out) {
  const double xs[2] = {x0, x1}, ys[2] = {y0, y1};
  Box box = {1e300, 1e300, -1e300, -1e300};
  for (double x : xs)
    for (double y : ys) {
      const double cx = m[0] * x + m[4] * y + m[8] * z + m[12];
      const double cy = m[1] * x + m[5] * y + m[9] * z + m[13];
      const double cz = m[2] * x + m[6] * y + m[10] * z + m[14];
      const double cw = m[3] * x + m[7] * y + m[11] * z + m[15];
      if (!(std::fabs(cw - 1.0) < 1e-9 && cz >= -1.0 && cz <= 1.0)) return false;
      const double wx = sViewport[0] + (cx + 1.0) * 0.5 * sViewport[2];
      const double wy = sViewport[1] + (cy + 1.0) * 0.5 * sViewport[3];
      box = {std::fmin(box.x0, wx), std::fmin(box.y0, wy), std::fmax(box.x1, wx), std::fmax(box.y1, wy)};
    }
  *out = box;
  return true;
}

bool OutsideViewport(const Box& b) {
  // A pixel of margin for the distance between these doubles and the GPU's floats.
  return b.x1 < sViewport[0] - 1.0 || b.y1 < sViewport[1] - 1.0 || b.x0 > sViewport[0] + sViewport[2] + 1.0 ||
         b.y0 > sViewport[1] + sViewport[3] + 1.0;
}

// The pixels whose centres lie inside a box by a safe margin, within the viewport.
VXGfxPixelRect Inside(const Box& b) {
  const double m = 0.05;
  const double x0 = std::fmax(std::ceil(b.x0 + m - 0.5), sViewport[0]);
  const double y0 = std::fmax(std::ceil(b.y0 + m - 0.5), sViewport[1]);
  const double x1 = std::fmin(std::floor(b.x1 - m - 0.5) + 1.0, sViewport[0] + sViewport[2]);
  const double y1 = std::fmin(std::floor(b.y1 - m - 0.5) + 1.0, sViewport[1] + sViewport[3]);
  if (x1 <= x0 || y1 <= y0) return VXGfxPixelRect{0, 0, 0, 0};
  return VXGfxPixelRect{static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0),
                        static_cast<int>(y1 - y0)};
}

// Whole pixels around a box, grown by a margin, within the viewport.
VXGfxPixelRect Pixels(const Box& b, double margin) {
  const double x0 = std::fmax(std::floor(b.x0 - margin), sViewport[0]);
  const double y0 = std::fmax(std::floor(b.y0 - margin), sViewport[1]);
  const double x1 = std::fmin(std::ceil(b.x1 + margin), sViewport[0] + sViewport[2]);
  const double y1 = std::fmin(std::ceil(b.y1 + margin), sViewport[1] + sViewport[3]);
  if (x1 <= x0 || y1 <= y0) return VXGfxPixelRect{0, 0, 0, 0};
  return VXGfxPixelRect{static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0),
                        static_cast<int>(y1 - y0)};
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

}  // namespace

void VXGfxSubmit(const VXGfxVertexList* mesh, GLenum primitive) {
  const bool color = gVXCurrentProgram == VX_RENDER_COLOR;
  glBindBuffer(GL_ARRAY_BUFFER, mesh->pBuffers[0]);
  glEnableVertexAttribArray(VX_ATTRIB_POSITION);
  glVertexAttribPointer(VX_ATTRIB_POSITION, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
  glBindBuffer(GL_ARRAY_BUFFER, mesh->pBuffers[color ? 1 : 2]);
  glEnableVertexAttribArray(VX_ATTRIB_OTHER);
  glVertexAttribPointer(VX_ATTRIB_OTHER, color ? 4 : 2, GL_FLOAT, GL_FALSE, 0, nullptr);
  glDrawArrays(primitive, 0, static_cast<GLsizei>(mesh->vertexCount));
  glDisableVertexAttribArray(VX_ATTRIB_OTHER);
  glDisableVertexAttribArray(VX_ATTRIB_POSITION);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  ++gVXGfxCounters.draws;
}

namespace {

// Every world-matrix column that a flat mesh's x and y reach is zero: each
// vertex lands on the same point and no pixel is covered.
bool Collapsed(const VXGfxVertexList* mesh) {
  const float* w = VXGfxUniformGet(gVXCurrentProgram, VX_U_WORLD);
  const bool flat = mesh->bounds[2] == 0.0f && mesh->bounds[5] == 0.0f;
  for (int i = 0; i < 8; ++i) {
    if (w[i] != 0.0f) return false;
  }
  return flat;
}

// Where the picture's visible regions fall on the window: the rectangles to
// draw through, or none when the whole box is as cheap.
int VisibleParts(const VXGfxVertexList* mesh, const VXGfxTexture* tex, const double* m, const Box& whole,
                 VXGfxPixelRect* parts) {
  const VXGfxPictureNotes& notes = tex->notes;
  const float* b = mesh->bounds;
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
  if (count == 0) return -1;  // nothing of the picture reaches the window
  if (area * 4 > full * 3 || full - area < kClipGain) return 0;
  return count;
}

bool Neutral(const float* blend, const float* offset) {
  return blend[3] == 0.0f && std::isfinite(blend[0]) && std::isfinite(blend[1]) && std::isfinite(blend[2]) &&
         offset[0] == 0.0f && offset[1] == 0.0f;
}

void Tell(const VXGfxVertexList* mesh, const VXGfxTexture* tex, const double* m) {
  VXGfxQuadNote note = {};
  note.texture = tex;
  const float* b = mesh->bounds;
  const double xs[4] = {b[0], b[3], b[3], b[0]}, ys[4] = {b[1], b[1], b[4], b[4]};
  for (int i = 0; i < 4; ++i) {
    Box corner;
    WindowBox(m, xs[i], ys[i], xs[i], ys[i], b[2], &corner);
    note.corners[i][0] = corner.x0;
    note.corners[i][1] = corner.y0;
  }
  const float* tint = VXGfxUniformGet(VX_RENDER_TEXTURE, VX_U_TINT);
  const float alpha = VXGfxUniformGet(VX_RENDER_TEXTURE, VX_U_TRANSPARENCY)[0] * tint[3];
  note.color[0] = tint[0];
  note.color[1] = tint[1];
  note.color[2] = tint[2];
  note.color[3] = alpha;
  note.blend = gVXBlendModeCurr;
  gVXGfxQuadWatcher(&note);
}

void DrawFast(const VXGfxVertexList* mesh, GLenum primitive) {
  const int mode = VX_RENDER_TEXTURE;
  const float alphaScale = VXGfxUniformGet(mode, VX_U_TRANSPARENCY)[0] * VXGfxUniformGet(mode, VX_U_TINT)[3];
  const float* blend = VXGfxUniformGet(mode, VX_U_BLEND);
  const float* offset = VXGfxUniformGet(mode, VX_U_OFFSET);
  const bool blending = gVXBlendModeCurr != VX_BLEND_NONE;
  const VXGfxTexture* tex = gVXCurrentTexture;
  if (tex && (VXGfxTextureWanted() == 0 || *tex->pName != VXGfxTextureWanted())) tex = nullptr;
  const bool noted = tex && tex->notes.known;
  // A blended draw whose alpha is zero everywhere leaves every pixel as it was.
  if ((blending && (alphaScale == 0.0f || (noted && tex->notes.regions == 0))) || Collapsed(mesh)) {
    ++gVXGfxCounters.drawsSkipped;
    return;
  }
  double m[16];
  Box whole;
  const bool flat = mesh->shape != VX_SHAPE_UNKNOWN && mesh->bounds[2] == mesh->bounds[5];
  LocalToClip(m);
  const bool placed =
      flat && WindowBox(m, mesh->bounds[0], mesh->bounds[1], mesh->bounds[3], mesh->bounds[4], mesh->bounds[2], &whole);
  if (placed && OutsideViewport(whole)) {
    ++gVXGfxCounters.drawsSkipped;
    return;
  }
  VXGfxPending& e = *VXGfxQueueSlot();
  const bool neutral = Neutral(blend, offset);
  // Fully opaque texels at alpha 1: blending would give back the source.
  const bool opaque = gVXBlendModeCurr == VX_BLEND_ALPHA && noted && tex->notes.opaque && alphaScale == 1.0f;
  e.parts = 0;
  if (blending && noted && placed && neutral && !tex->notes.linear && mesh->shape == VX_SHAPE_PICTURE_QUAD)
    e.parts = VisibleParts(mesh, tex, m, whole, e.part);
  if (e.parts < 0) {
    ++gVXGfxCounters.drawsSkipped;
    return;
  }
  if (gVXGfxQuadWatcher && placed && mesh->shape == VX_SHAPE_PICTURE_QUAD && tex) Tell(mesh, tex, m);
  e.mesh = mesh;
  e.primitive = primitive;
  e.program = neutral ? VX_PROGRAM_PLAIN : VX_PROGRAM_TEXTURE;
  e.texture = VXGfxTextureWanted();
  e.blend = opaque ? VX_BLEND_NONE : gVXBlendModeCurr;
  memcpy(e.world, VXGfxUniformGet(mode, VX_U_WORLD), sizeof(e.world));
  memcpy(e.tint, VXGfxUniformGet(mode, VX_U_TINT), sizeof(e.tint));
  memcpy(e.transparency, VXGfxUniformGet(mode, VX_U_TRANSPARENCY), sizeof(e.transparency));
  memcpy(e.blendColor, blend, sizeof(e.blendColor));
  memcpy(e.offset, offset, sizeof(e.offset));
  e.placed = placed;
  e.covers = false;
  // Local area times the mapping's stretch, in window pixels.
  e.area = std::fabs(m[0] * m[5] - m[1] * m[4]) * sViewport[2] * sViewport[3] / 4.0 *
           (static_cast<double>(mesh->bounds[3]) - mesh->bounds[0]) *
           (static_cast<double>(mesh->bounds[4]) - mesh->bounds[1]);
  if (placed) {
    // One pixel of margin for the distance between these doubles and the GPU's floats.
    e.box = Pixels(whole, 1.0);
    // Blending off and a rectangle square to the window: every pixel whose
    // centre lies inside is written, whatever was there.
    const bool square = m[1] == 0.0 && m[4] == 0.0;
    e.covers = e.blend == VX_BLEND_NONE && mesh->shape == VX_SHAPE_PICTURE_QUAD && square;
    if (e.covers) e.inner = Inside(whole);
    e.covers = e.covers && Area(e.inner) > 0;
  }
  VXGfxQueueAdd();
}

}  // namespace

void (*gVXGfxQuadWatcher)(const VXGfxQuadNote*) = nullptr;

void VXGfxSetViewport(int x, int y, int w, int h) {
  VXGfxFlush();
  sViewport[0] = x;
  sViewport[1] = y;
  sViewport[2] = w;
  sViewport[3] = h;
  if (!gVXGfxLive) return;
  glViewport(x, y, w, h);
  VXGfxQueueFit(w, h);
}

void VXGfxGetViewport(int* pOut) {
  memcpy(pOut, sViewport, sizeof(sViewport));
}

void VXGfxApplyBlend(int mode, bool force) {
  if (mode == sGLBlend && !force) return;
  if (mode != sGLBlend) ++gVXGfxCounters.blendChanges;
  sGLBlend = mode;
  if (mode == VX_BLEND_NONE) {
    glDisable(GL_BLEND);
    return;
  }
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, mode == VX_BLEND_ALPHA ? GL_ONE_MINUS_SRC_ALPHA : GL_ONE);
}

void VXGfxDrawMesh(const VXGfxVertexList* mesh, GLenum primitive) {
  if (mesh->vertexCount == 0) return;
  if (!VXGfxReferencePath() && gVXCurrentProgram == VX_RENDER_TEXTURE && primitive == GL_TRIANGLES) {
    DrawFast(mesh, primitive);
    return;
  }
  VXGfxFlush();
  VXGfxTextureBindWanted();
  VXGfxProgramUse(gVXCurrentProgram == VX_RENDER_COLOR ? VX_PROGRAM_COLOR : VX_PROGRAM_TEXTURE);
  VXGfxApplyBlend(gVXBlendModeCurr, false);
  VXGfxSubmit(mesh, primitive);
}

void VXGfxRestoreState(void) {
  if (!gVXGfxLive) return;
  VXGfxFlush();
  VXGfxProgramRestore();
  VXGfxApplyBlend(gVXBlendModeCurr, true);
  glDisable(GL_SCISSOR_TEST);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, gVXBoundTexture);
  glViewport(sViewport[0], sViewport[1], sViewport[2], sViewport[3]);
}
