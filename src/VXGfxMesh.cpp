// Vexor Engine: meshes built in one staging buffer and uploaded to three GL
// vertex buffers, the immediate line, and the staging-only primitives.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "VXGfxDevice.h"
#include "VXGfxInternal.h"
#include "VXGfxQueue.h"
#include "VXGraphics.h"

namespace {

struct StagedVertex {
  float x, y, z;
  uint32_t color;  // 0xAARRGGBB
  float u, v;
};

const uint32_t kStagingRoom = 24576;  // 8192 triangles
StagedVertex sStaging[kStagingRoom];
uint32_t sStagedCount = 0;
int sMeshStarted = 0;
bool sOverflowReported = false;

// Past the room the extra vertices are dropped (once reported) instead of
// running off the end of the buffer.
bool Reserve(uint32_t n) {
  if (sStagedCount + n <= kStagingRoom) return true;
  if (!sOverflowReported) {
    printf("Mesh staging buffer full: vertices past %u are dropped!\n", kStagingRoom);
    sOverflowReported = true;
  }
  return false;
}

void Stage(uint32_t slot, float x, float y, float z, uint32_t c, float u, float v) {
  sStaging[slot] = StagedVertex{x, y, z, c, u, v};
}

float Channel(uint32_t c, int shift) {
  return static_cast<float>((c >> shift) & 0xFFu) / 255.0f;
}

// Whether every vertex sits on a corner of the bounds with the picture's
// matching corner, and the triangles are the rectangle's two halves: the
// quad that shows a whole picture upright, as the game builds them.
bool IsPictureQuad(const float* b) {
  if (sStagedCount != 6 || b[0] == b[3] || b[1] == b[4]) return false;
  int corners[6];
  for (uint32_t i = 0; i < 6; ++i) {
    const StagedVertex& s = sStaging[i];
    const bool left = s.x == b[0], right = s.x == b[3], bottom = s.y == b[1], top = s.y == b[4];
    if (!(left || right) || !(bottom || top)) return false;
    if (s.u != (right ? 1.0f : 0.0f) || s.v != (top ? 0.0f : 1.0f)) return false;
    corners[i] = (right ? 1 : 0) | (top ? 2 : 0);
  }
  // Two triangles of three different corners each, each leaving out the
  // corner opposite the other's: the rectangle cut along a diagonal. Two
  // that share an outer edge would leave a notch unpainted.
  int missing[2] = {0, 0};
  for (int t = 0; t < 2; ++t) {
    int seen = 0;
    for (int k = 0; k < 3; ++k) seen |= 1 << corners[3 * t + k];
    if (__builtin_popcount(static_cast<unsigned>(seen)) != 3) return false;
    missing[t] = __builtin_ctz(static_cast<unsigned>(~seen & 0xF));
  }
  return (missing[0] ^ missing[1]) == 3;
}

// What the fast path goes by: the mesh's bounds, whether it is a picture
// quad, and the vertices of a small one.
void NoteShape(VXGfxMeshShape* shape) {
  float* b = shape->bounds;
  if (sStagedCount == 0) return;
  b[0] = b[3] = sStaging[0].x;
  b[1] = b[4] = sStaging[0].y;
  b[2] = b[5] = sStaging[0].z;
  for (uint32_t i = 1; i < sStagedCount; ++i) {
    const StagedVertex& s = sStaging[i];
    b[0] = std::fmin(b[0], s.x);
    b[1] = std::fmin(b[1], s.y);
    b[2] = std::fmin(b[2], s.z);
    b[3] = std::fmax(b[3], s.x);
    b[4] = std::fmax(b[4], s.y);
    b[5] = std::fmax(b[5], s.z);
  }
  // A vertex that is not a number leaves nothing to go by.
  for (int i = 0; i < 6; ++i) {
    if (!std::isfinite(b[i])) return;
  }
  shape->kind = IsPictureQuad(b) ? VX_SHAPE_PICTURE_QUAD : VX_SHAPE_BOUNDED;
  // Small meshes are drawn together with others, from these: whole
  // triangles only, as GL draws no more of the vertices.
  if (sStagedCount > 6) return;
  shape->batchVertices = static_cast<int>(sStagedCount - sStagedCount % 3);
  for (int i = 0; i < shape->batchVertices; ++i) {
    const StagedVertex& s = sStaging[i];
    const float v[5] = {s.x, s.y, s.z, s.u, s.v};
    memcpy(shape->vertices[i], v, sizeof(v));
  }
}

}  // namespace

void VXGfxReset(void) {
  sStagedCount = 0;
  sMeshStarted = 0;
  sOverflowReported = false;
}

void VXGfxMeshStart(void) {
  sMeshStarted = 1;
}

void VXGfxTriAdd(float x0, float y0, uint32_t c0, float u0, float v0, float x1, float y1, uint32_t c1, float u1,
                 float v1, float x2, float y2, uint32_t c2, float u2, float v2) {
  if (!Reserve(3)) return;  // whole triangles or nothing
  Stage(sStagedCount++, x0, y0, 0.0f, c0, u0, v0);
  Stage(sStagedCount++, x1, y1, 0.0f, c1, u1, v1);
  Stage(sStagedCount++, x2, y2, 0.0f, c2, u2, v2);
}

void VXGfxVertexAdd(float x, float y, uint32_t c, float u, float v) {
  if (!Reserve(1)) return;
  Stage(sStagedCount++, x, y, 0.0f, c, u, v);
}

VXGfxVertexList* VXGfxMeshEnd(void) {
  VXGfxVertexList* mesh = new (std::nothrow) VXGfxVertexList{};
  if (!mesh) return nullptr;
  mesh->pBuffers = new (std::nothrow) uint32_t[3]{};
  mesh->pShape = new (std::nothrow) VXGfxMeshShape{};
  if (!mesh->pBuffers || !mesh->pShape) {
    delete[] mesh->pBuffers;
    delete mesh->pShape;
    delete mesh;
    return nullptr;
  }
  const uint32_t count = sStagedCount;
  mesh->vertexCount = count;
  NoteShape(mesh->pShape);
  if (gVXGfxLive) {
    std::vector<float> positions(count * 3), colors(count * 4), coords(count * 2);
    for (uint32_t i = 0; i < count; ++i) {
      const StagedVertex& s = sStaging[i];
      positions[i * 3 + 0] = s.x;
      positions[i * 3 + 1] = s.y;
      positions[i * 3 + 2] = s.z;
      colors[i * 4 + 0] = Channel(s.color, 16);
      colors[i * 4 + 1] = Channel(s.color, 8);
      colors[i * 4 + 2] = Channel(s.color, 0);
      colors[i * 4 + 3] = Channel(s.color, 24);
      coords[i * 2 + 0] = s.u;
      coords[i * 2 + 1] = s.v;
    }
    const float* const arrays[3] = {positions.data(), colors.data(), coords.data()};
    const size_t bytes[3] = {positions.size() * sizeof(float), colors.size() * sizeof(float),
                             coords.size() * sizeof(float)};
    VXGfxDeviceBuffersMake(mesh->pBuffers, arrays, bytes);
    VX_CHECK_GL("VXGfxMeshEnd");
  }
  VXGfxReset();
  return mesh;
}

void VXGfxMeshDraw(VXGfxVertexList* pMesh, uint32_t mode) {
  if (mode > VX_DRAW_TRIANGLES) {
    printf("Mesh Draw Mode %u is invalid!\n", mode);
    return;
  }
  if (!gVXGfxLive || gVXCurrentProgram == 0 || !pMesh || !pMesh->pBuffers || pMesh->vertexCount == 0) return;
  VXGfxDeviceDraw(pMesh, static_cast<int>(mode));
}

void VXGfxMeshFree(VXGfxVertexList* pMesh) {
  if (!pMesh) return;
  if (pMesh->pBuffers) {
    VXGfxDeviceBuffersFree(pMesh->pBuffers);
    delete[] pMesh->pBuffers;
  }
  delete pMesh->pShape;
  delete pMesh;
}

void VXGfxTriListInitialize(VXGfxVertexList* pMesh) {
  if (!pMesh) return;
  pMesh->pBuffers = new (std::nothrow) uint32_t[3]{};
  pMesh->pShape = nullptr;
}

void VXGfxLine(float x0, float y0, float z0, float r0, float g0, float b0, float a0, float x1, float y1, float z1,
               float r1, float g1, float b1, float a1) {
  // Only the colour program draws lines; under the texture program nothing shows.
  if (!gVXGfxLive || gVXCurrentProgram != VX_RENDER_COLOR) return;
  const float positions[6] = {x0, y0, z0, x1, y1, z1};
  const float colors[8] = {r0, g0, b0, a0, r1, g1, b1, a1};
  VXGfxDeviceLine(positions, colors);
}

void VXGfxAxis(float size) {
  VXGfxSphere(0.0f, 0.0f, 0.0f, size * 0.1f, 0xFF808080u, 0xFFFFFFFFu, 8);
  const float d = size * 0.8f;
  VXGfxLine(0, 0, 0, 1, 0, 0, 1, d, 0, 0, 1, 0, 0, 1);
  VXGfxLine(0, 0, 0, 0, 1, 0, 1, 0, d, 0, 0, 1, 0, 1);
  VXGfxLine(0, 0, 0, 0, 0, 1, 1, 0, 0, d, 0, 0, 1, 1);
}

uint32_t VXGfxColInterp(uint32_t c0, uint32_t c1, float t) {
  if (!(t > 0.0f)) t = 0.0f;  // NaN too
  if (t > 1.0f) t = 1.0f;
  // Truncated: a step from c0 to c1 at t = 1, never a fractional blend.
  const int k = static_cast<int>(t);
  uint32_t result = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    int a = static_cast<int>((c0 >> shift) & 0xFFu);
    int b = static_cast<int>((c1 >> shift) & 0xFFu);
    int ch = a + (b - a) * k;
    ch = ch < 0 ? 0 : (ch > 255 ? 255 : ch);
    result |= static_cast<uint32_t>(ch) << shift;
  }
  return result;
}

void VXGfxCone(void) {}

void VXGfxPoint(float x, float y, float z, uint32_t c) {
  Stage(0, x, y, z, c, 0.0f, 0.0f);
}

void VXGfxTri(float x0, float y0, float z0, uint32_t c0, float x1, float y1, float z1, uint32_t c1, float x2, float y2,
              float z2, uint32_t c2) {
  Stage(0, x0, y0, z0, c0, 0.0f, 0.0f);
  Stage(1, x1, y1, z1, c1, 0.0f, 0.0f);
  Stage(2, x2, y2, z2, c2, 0.0f, 0.0f);
}

void VXGfxQuad(float x0, float y0, float z0, uint32_t c0, float x1, float y1, float z1, uint32_t c1, float x2, float y2,
               float z2, uint32_t c2, float x3, float y3, float z3, uint32_t c3) {
  // The third and fourth corners swap places, as a strip wants them.
  Stage(0, x0, y0, z0, c0, 0.0f, 0.0f);
  Stage(1, x1, y1, z1, c1, 0.0f, 0.0f);
  Stage(3, x2, y2, z2, c2, 0.0f, 0.0f);
  Stage(2, x3, y3, z3, c3, 0.0f, 0.0f);
}

void VXGfxBox(float x, float y, float z, float sizeX, float sizeY, float sizeZ, uint32_t c0, uint32_t c1) {
  static const bool kFirstColour[8] = {true, false, false, false, true, true, true, false};
  for (uint32_t i = 0; i < 8; ++i) {
    float cx = x + ((i & 1u) ? 0.5f : -0.5f) * sizeX;
    float cy = y + ((i & 2u) ? 0.5f : -0.5f) * sizeY;
    float cz = z + ((i & 4u) ? 0.5f : -0.5f) * sizeZ;
    Stage(i, cx, cy, cz, kFirstColour[i] ? c0 : c1, 0.0f, 0.0f);
  }
}

void VXGfxSphere(float x, float y, float z, float radius, uint32_t c0, uint32_t c1, int slices) {
  slices = slices < 4 ? 4 : (slices > 32 ? 32 : slices);
  const int q = slices / 4;
  const float latStep = 3.1415925f / static_cast<float>(2 * q);
  const float lonStep = 6.283185f / static_cast<float>(slices);
  uint32_t slot = 0;
  auto ring = [&](int k, float a) {
    const float lat = static_cast<float>(k) * latStep;
    const uint32_t c = VXGfxColInterp(c0, c1, std::fabs(static_cast<float>(k) / static_cast<float>(q)));
    Stage(slot++, x + std::sin(a) * std::cos(lat) * radius, y + std::sin(lat) * radius,
          z + std::cos(a) * std::cos(lat) * radius, c, 0.0f, 0.0f);
  };
  for (int i = -q; i < q; ++i) {
    for (int j = 0; j <= slices; ++j) {
      const float a = static_cast<float>(j) * lonStep;
      ring(i + 1, a);
      ring(i, a);
    }
  }
}
