// Vexor Engine: the queue of held-back texture draws. When something needs
// the frame it is sent in order; on the way, a draw that later opaque draws
// cover entirely is left out, and a large opaque one is drawn only where it
// stays uncovered. A pixel under an opaque draw ends up as that draw wrote
// it whatever was there before, so neither changes what the frame shows.
#include "VXGfxQueue.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "VXGfxInternal.h"
#include "VXGraphics.h"

namespace {

const int kCapacity = 1024;
// What a draw call costs the software renderer, in pixels shaded.
const long kDrawPixels = 800;
// How far back a draw may move to follow one of the same picture and state.
const int kLookBack = 64;
// Cutting a draw into uncovered parts pays from this many pixels on.
const long kLarge = 128 * 128;

VXGfxPending sQueue[kCapacity];
bool sDropped[kCapacity];
int sOrder[kCapacity];
int sCount = 0;
bool sScissor = false;

// Draws of small meshes that follow one another with the same picture and
// blending go to GL as one, each vertex carrying its sprite's world matrix,
// tint and transparency: position 3, texture coordinate 2, world 16, tint 4,
// transparency 1.
const int kBatchFloats = 26;
const int kBatchVertices = 6 * 256;
float sBatch[kBatchVertices * kBatchFloats];
GLuint sBatchBuffer = 0;

// One byte a window pixel: written by an opaque draw later in the queue.
std::vector<unsigned char> sCovered;
int sView[4];

unsigned char* Row(int y) {
  return &sCovered[static_cast<size_t>(y - sView[1]) * static_cast<size_t>(sView[2])] - sView[0];
}

bool AllCovered(const VXGfxPixelRect& r) {
  for (int y = r.y; y < r.y + r.h; ++y) {
    if (memchr(Row(y) + r.x, 0, static_cast<size_t>(r.w))) return false;
  }
  return true;
}

void Mark(const VXGfxPixelRect& r) {
  for (int y = r.y; y < r.y + r.h; ++y) memset(Row(y) + r.x, 1, static_cast<size_t>(r.w));
}

long Area(const VXGfxPixelRect& r) {
  return static_cast<long>(r.w) * r.h;
}

// Runs of uncovered pixels on one row of a box; false past the room.
int Runs(const VXGfxPixelRect& box, int y, int* starts, int* ends, int room) {
  const unsigned char* row = Row(y);
  int count = 0;
  for (int x = box.x; x < box.x + box.w;) {
    const unsigned char* gap = static_cast<const unsigned char*>(memchr(row + x, 0, box.x + box.w - x));
    if (!gap) break;
    const int x0 = static_cast<int>(gap - row);
    int x1 = x0;
    while (x1 < box.x + box.w && row[x1] == 0) ++x1;
    if (count == room) return -1;
    starts[count] = x0;
    ends[count++] = x1;
    x = x1;
  }
  return count;
}

// The uncovered pixels of a box as a few rectangles (rows with the same runs
// stacked), or their bounds when that takes too many.
int Uncovered(const VXGfxPixelRect& box, VXGfxPixelRect* parts, int room) {
  int starts[8], ends[8], prevStarts[8], prevEnds[8];
  int prevCount = 0, count = 0, firstRow = box.y;
  int bx0 = box.x + box.w, by0 = box.y + box.h, bx1 = box.x, by1 = box.y;
  bool tooMany = false;
  for (int y = box.y; y <= box.y + box.h; ++y) {
    int runs = y < box.y + box.h ? Runs(box, y, starts, ends, 8) : 0;
    if (runs < 0) {
      tooMany = true;
      starts[0] = box.x;
      ends[0] = box.x + box.w;
      runs = 1;
    }
    const bool same = runs == prevCount && memcmp(starts, prevStarts, sizeof(int) * static_cast<size_t>(runs)) == 0 &&
                      memcmp(ends, prevEnds, sizeof(int) * static_cast<size_t>(runs)) == 0;
    if (!same) {
      for (int i = 0; i < prevCount; ++i) {
        if (count < room) parts[count] = {prevStarts[i], firstRow, prevEnds[i] - prevStarts[i], y - firstRow};
        ++count;
        bx0 = prevStarts[i] < bx0 ? prevStarts[i] : bx0;
        bx1 = prevEnds[i] > bx1 ? prevEnds[i] : bx1;
        by0 = firstRow < by0 ? firstRow : by0;
        by1 = y > by1 ? y : by1;
      }
      memcpy(prevStarts, starts, sizeof(starts));
      memcpy(prevEnds, ends, sizeof(ends));
      prevCount = runs;
      firstRow = y;
    }
  }
  if (count == 0) return 0;
  if (count > room || tooMany) {
    parts[0] = {bx0, by0, bx1 - bx0, by1 - by0};
    return 1;
  }
  return count;
}

// Backwards through the queue, gathering what later opaque draws write.
void Occlude(int count) {
  VXGfxGetViewport(sView);
  const size_t size = static_cast<size_t>(sView[2]) * static_cast<size_t>(sView[3]);
  if (size == 0 || sCovered.size() != size) return;  // sized by VXGfxQueueFit
  memset(sCovered.data(), 0, size);
  for (int i = count - 1; i >= 0; --i) {
    VXGfxPending& e = sQueue[i];
    if (!e.placed || Area(e.box) == 0) continue;
    if (AllCovered(e.box)) {
      sDropped[i] = true;
      ++gVXGfxCounters.drawsSkipped;
      continue;
    }
    if (e.covers && e.parts == 0 && Area(e.box) >= kLarge) {
      VXGfxPixelRect parts[8];
      const int n = Uncovered(e.box, parts, 8);
      long area = 0;
      for (int k = 0; k < n; ++k) area += Area(parts[k]);
      if (area * 4 <= Area(e.box) * 3) {
        e.parts = n;
        memcpy(e.part, parts, sizeof(parts[0]) * static_cast<size_t>(n));
      }
    }
    if (e.covers) Mark(e.inner);
  }
}

bool Overlap(const VXGfxPixelRect& a, const VXGfxPixelRect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool SameState(const VXGfxPending& a, const VXGfxPending& b) {
  return a.texture == b.texture && a.program == b.program && a.blend == b.blend;
}

// The order to send in: each draw follows the last one of its picture and
// state when no draw between them shares a pixel with it. Draws that share
// no pixel can go in either order, so switches of picture and state get
// fewer and the frame stays the same.
int Order(int count) {
  int n = 0;
  for (int i = 0; i < count; ++i) {
    if (sDropped[i]) continue;
    const VXGfxPending& e = sQueue[i];
    int at = n;
    for (int k = n - 1; k >= 0 && n - k <= kLookBack && e.placed; --k) {
      const VXGfxPending& before = sQueue[sOrder[k]];
      if (SameState(before, e)) {
        at = k + 1;
        break;
      }
      if (!before.placed || Overlap(before.box, e.box)) break;
    }
    memmove(&sOrder[at + 1], &sOrder[at], sizeof(int) * static_cast<size_t>(n - at));
    sOrder[at] = i;
    ++n;
  }
  return n;
}

void Scissor(bool on) {
  if (on == sScissor) return;
  sScissor = on;
  if (on) {
    glEnable(GL_SCISSOR_TEST);
  } else {
    glDisable(GL_SCISSOR_TEST);
  }
}

// The program, texture and blending of a held-back draw.
void Prepare(int program, const VXGfxPending& e) {
  VXGfxProgramBind(program);
  // Projection and view are the mode's own: any change sent the queue first.
  VXGfxProgramSend(VX_U_PROJECTION, VXGfxUniformGet(VX_RENDER_TEXTURE, VX_U_PROJECTION));
  VXGfxProgramSend(VX_U_VIEW, VXGfxUniformGet(VX_RENDER_TEXTURE, VX_U_VIEW));
  VXGfxProgramSend(VX_U_SAMPLER, VXGfxUniformGet(VX_RENDER_TEXTURE, VX_U_SAMPLER));
  if (gVXBoundTexture != e.texture) {
    glBindTexture(GL_TEXTURE_2D, e.texture);
    gVXBoundTexture = e.texture;
    ++gVXGfxCounters.textureBinds;
  }
  VXGfxApplyBlend(e.blend, false);
  if (e.blend == VX_BLEND_NONE && gVXBlendModeCurr != VX_BLEND_NONE) ++gVXGfxCounters.drawsOpaque;
}

void Send(const VXGfxPending& e) {
  Prepare(e.program, e);
  VXGfxProgramSend(VX_U_WORLD, e.world);
  VXGfxProgramSend(VX_U_TINT, e.tint);
  VXGfxProgramSend(VX_U_TRANSPARENCY, e.transparency);
  VXGfxProgramSend(VX_U_BLEND, e.blendColor);
  VXGfxProgramSend(VX_U_OFFSET, e.offset);
  Scissor(e.parts > 0);
  if (e.parts == 0) {
    if (e.placed) gVXGfxCounters.pixelsCovered += static_cast<long>(e.area);
    VXGfxSubmit(e.mesh, e.primitive);
    return;
  }
  for (int i = 0; i < e.parts; ++i) {
    const VXGfxPixelRect& r = e.part[i];
    glScissor(r.x, r.y, r.w, r.h);
    gVXGfxCounters.pixelsCovered += Area(r);
    VXGfxSubmit(e.mesh, e.primitive);
  }
  ++gVXGfxCounters.drawsClipped;
}

long Shared(const VXGfxPixelRect& a, const VXGfxPixelRect& b) {
  const int x0 = a.x > b.x ? a.x : b.x, y0 = a.y > b.y ? a.y : b.y;
  const int x1 = a.x + a.w < b.x + b.w ? a.x + a.w : b.x + b.w;
  const int y1 = a.y + a.h < b.y + b.h ? a.y + a.h : b.y + b.h;
  return x1 > x0 && y1 > y0 ? static_cast<long>(x1 - x0) * (y1 - y0) : 0;
}

bool Batchable(const VXGfxPending& e) {
  return e.program == VX_PROGRAM_PLAIN && e.parts <= 1 && e.mesh->kept > 0 && e.primitive == GL_TRIANGLES;
}

// Where a draw may change pixels: its visible part, or its whole box.
const VXGfxPixelRect& Reach(const VXGfxPending& e) {
  return e.parts == 1 ? e.part[0] : e.box;
}

VXGfxPixelRect Bounds(const VXGfxPixelRect& a, const VXGfxPixelRect& b) {
  const int x0 = a.x < b.x ? a.x : b.x, y0 = a.y < b.y ? a.y : b.y;
  const int x1 = a.x + a.w > b.x + b.w ? a.x + a.w : b.x + b.w;
  const int y1 = a.y + a.h > b.y + b.h ? a.y + a.h : b.y + b.h;
  return VXGfxPixelRect{x0, y0, x1 - x0, y1 - y0};
}

// Appends a draw's vertices to the batch; returns the new vertex count.
int Append(const VXGfxPending& e, int vertices, const VXGfxPixelRect* scissor) {
  const VXGfxVertexList* mesh = e.mesh;
  for (uint32_t v = 0; v < mesh->kept; ++v) {
    float* out = &sBatch[static_cast<size_t>(vertices++) * kBatchFloats];
    memcpy(out, mesh->vertices[v], sizeof(float) * 5);
    memcpy(out + 5, e.world, sizeof(e.world));
    memcpy(out + 21, e.tint, sizeof(e.tint));
    out[25] = e.transparency[0];
  }
  if (e.placed) gVXGfxCounters.pixelsCovered += scissor ? Shared(e.box, *scissor) : static_cast<long>(e.area);
  return vertices;
}

void DrawBatch(const VXGfxPending& first, int vertices, const VXGfxPixelRect* scissor) {
  Prepare(VX_PROGRAM_BATCH, first);
  Scissor(scissor != nullptr);
  if (scissor) {
    glScissor(scissor->x, scissor->y, scissor->w, scissor->h);
    ++gVXGfxCounters.drawsClipped;
  }
  if (!sBatchBuffer) glGenBuffers(1, &sBatchBuffer);
  glBindBuffer(GL_ARRAY_BUFFER, sBatchBuffer);
  const GLsizei stride = sizeof(float) * kBatchFloats;
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices) * stride, sBatch, GL_STREAM_DRAW);
  struct Field {
    GLuint location;
    GLint size, offset;
  };
  static const Field kFields[] = {{VX_ATTRIB_POSITION, 3, 0},   {VX_ATTRIB_OTHER, 2, 3},
                                  {VX_ATTRIB_WORLD, 4, 5},      {VX_ATTRIB_WORLD + 1, 4, 9},
                                  {VX_ATTRIB_WORLD + 2, 4, 13}, {VX_ATTRIB_WORLD + 3, 4, 17},
                                  {VX_ATTRIB_TINT, 4, 21},      {VX_ATTRIB_TRANSPARENCY, 1, 25}};
  for (const Field& f : kFields) {
    glEnableVertexAttribArray(f.location);
    glVertexAttribPointer(f.location, f.size, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(static_cast<uintptr_t>(f.offset) * sizeof(float)));
  }
  glDrawArrays(GL_TRIANGLES, 0, vertices);
  for (const Field& f : kFields) glDisableVertexAttribArray(f.location);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  ++gVXGfxCounters.draws;
}

// Sends draws [from, to) of the order as one, through a scissor around what
// their visible parts reach when any of them has one.
void SendGroup(int from, int to) {
  const VXGfxPending& first = sQueue[sOrder[from]];
  VXGfxPixelRect reach = Reach(first);
  bool clipped = false;
  for (int k = from; k < to; ++k) {
    const VXGfxPending& e = sQueue[sOrder[k]];
    reach = Bounds(reach, Reach(e));
    clipped = clipped || e.parts == 1;
  }
  int vertices = 0;
  for (int k = from; k < to; ++k) {
    const VXGfxPending& e = sQueue[sOrder[k]];
    if (vertices + static_cast<int>(e.mesh->kept) > kBatchVertices) {
      DrawBatch(first, vertices, clipped ? &reach : nullptr);
      vertices = 0;
    }
    vertices = Append(e, vertices, clipped ? &reach : nullptr);
  }
  DrawBatch(first, vertices, clipped ? &reach : nullptr);
}

// Pixels that draws [from, to) of the order shade through a scissor.
long Shaded(int from, int to, const VXGfxPixelRect& scissor) {
  long pixels = 0;
  for (int k = from; k < to; ++k) pixels += Shared(sQueue[sOrder[k]].box, scissor);
  return pixels;
}

// Sends the ordered draws: runs of small ones of the same picture and state
// as one draw each. Under a scissor (some of them show only part of their
// picture) a run ends where one more draw would shade more pixels than a
// draw call of its own costs.
void SendAll(int n) {
  for (int i = 0; i < n;) {
    const VXGfxPending& e = sQueue[sOrder[i]];
    if (!Batchable(e) || !e.placed) {
      Send(e);
      ++i;
      continue;
    }
    VXGfxPixelRect group = Reach(e);
    bool clipped = e.parts == 1;
    int j = i + 1;
    for (; j < n; ++j) {
      const VXGfxPending& next = sQueue[sOrder[j]];
      if (!Batchable(next) || !next.placed || !SameState(e, next)) break;
      const bool nextClipped = next.parts == 1;
      const VXGfxPixelRect wider = Bounds(group, Reach(next));
      if (clipped || nextClipped) {
        const long together = Shaded(i, j + 1, wider);
        const long apart = Shaded(i, j, group) + kDrawPixels + Shared(next.box, Reach(next));
        if (together > apart) break;
      }
      group = wider;
      clipped = clipped || nextClipped;
    }
    SendGroup(i, j);
    i = j;
  }
}

}  // namespace

VXGfxPending* VXGfxQueueSlot(void) {
  if (sCount == kCapacity) VXGfxFlush();
  return &sQueue[sCount];
}

void VXGfxQueueAdd(void) {
  sDropped[sCount] = false;
  ++sCount;
}

void VXGfxQueueFit(int width, int height) {
  // Here, with the viewport, rather than while a frame draws.
  const size_t size = static_cast<size_t>(width > 0 ? width : 0) * static_cast<size_t>(height > 0 ? height : 0);
  if (sCovered.size() != size) sCovered.assign(size, 0);
}

bool VXGfxQueueBusy(void) {
  return sCount > 0;
}

void VXGfxFlush(void) {
  if (sCount == 0 || !gVXGfxLive) {
    sCount = 0;
    return;
  }
  const int count = sCount;
  sCount = 0;
  Occlude(count);
  SendAll(Order(count));
  Scissor(false);
  // Back to what the game set: its texture and the uniforms of its render mode.
  VXGfxTextureBindWanted();
  VXGfxProgramSync();
}

void VXGfxQueueDrop(void) {
  sCount = 0;
  sBatchBuffer = 0;  // went with the context
}
