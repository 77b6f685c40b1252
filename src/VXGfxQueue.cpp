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
#include "VXGfxShader.h"

namespace {

const int kCapacity = 1024;
// Projections and views the draws waiting were asked with.
const int kCameras = 4;
// What a draw call costs the software renderer, in pixels shaded.
const long kDrawPixels = 800;
// How far back a draw may move to follow one of the same picture and state.
const int kLookBack = 64;
// Cutting a draw into uncovered parts pays from this many pixels on.
const long kLarge = 128 * 128;

VXGfxHeld sQueue[kCapacity];
bool sDropped[kCapacity];
int sOrder[kCapacity];
int sCount = 0;
int sChecked = 0;  // draws before this one have their error check
VXGfxCamera sCameras[kCameras];
int sCameraCount = 0;

// Draws of small meshes that follow one another with the same picture and
// state go to GL as one (VXGfxSender::batch).
const int kBatchVertices = 6 * 256;
float sBatch[kBatchVertices * VX_BATCH_FLOATS];

// ---- The window's pixels written by opaque draws later in the queue ----
// One bit a pixel, 64 to a word along a row. Only the rows and words marked
// are cleared for the next sending: the work follows what is drawn.
std::vector<uint64_t> sCovered;
int sMapW = 0, sMapH = 0, sWords = 0;
int sDirtyY0 = 0, sDirtyY1 = 0, sDirtyW0 = 0, sDirtyW1 = 0;

uint64_t* Row(int y) {
  return &sCovered[static_cast<size_t>(y) * static_cast<size_t>(sWords)];
}

// The bits of word w that lie in [x0, x1).
uint64_t Mask(int w, int x0, int x1) {
  const int lo = x0 > 64 * w ? x0 - 64 * w : 0, hi = x1 < 64 * (w + 1) ? x1 - 64 * w : 64;
  const uint64_t upper = hi == 64 ? ~0ull : (1ull << hi) - 1;
  return upper & ~((1ull << lo) - 1);
}

bool OnMap(const VXGfxPixelRect& r) {
  return r.x >= 0 && r.y >= 0 && r.x + r.w <= sMapW && r.y + r.h <= sMapH;
}

long Area(const VXGfxPixelRect& r) {
  return static_cast<long>(r.w) * r.h;
}

bool AllCovered(const VXGfxPixelRect& r) {
  if (!OnMap(r)) return false;
  const int w0 = r.x >> 6, w1 = (r.x + r.w - 1) >> 6;
  for (int y = r.y; y < r.y + r.h; ++y) {
    const uint64_t* row = Row(y);
    for (int w = w0; w <= w1; ++w) {
      const uint64_t m = Mask(w, r.x, r.x + r.w);
      if ((row[w] & m) != m) return false;
    }
  }
  return true;
}

void Mark(const VXGfxPixelRect& r) {
  if (!OnMap(r) || Area(r) == 0) return;
  const int w0 = r.x >> 6, w1 = (r.x + r.w - 1) >> 6;
  for (int y = r.y; y < r.y + r.h; ++y) {
    uint64_t* row = Row(y);
    for (int w = w0; w <= w1; ++w) row[w] |= Mask(w, r.x, r.x + r.w);
  }
  if (sDirtyY0 == sDirtyY1) {
    sDirtyY0 = r.y;
    sDirtyY1 = r.y + r.h;
    sDirtyW0 = w0;
    sDirtyW1 = w1 + 1;
    return;
  }
  sDirtyY0 = r.y < sDirtyY0 ? r.y : sDirtyY0;
  sDirtyY1 = r.y + r.h > sDirtyY1 ? r.y + r.h : sDirtyY1;
  sDirtyW0 = w0 < sDirtyW0 ? w0 : sDirtyW0;
  sDirtyW1 = w1 + 1 > sDirtyW1 ? w1 + 1 : sDirtyW1;
}

void ClearMarks() {
  for (int y = sDirtyY0; y < sDirtyY1; ++y)
    memset(Row(y) + sDirtyW0, 0, sizeof(uint64_t) * static_cast<size_t>(sDirtyW1 - sDirtyW0));
  sDirtyY0 = sDirtyY1 = 0;
}

// The first x in [x, end) whose bit is `set`, or end.
int Next(const uint64_t* row, int x, int end, bool set) {
  while (x < end) {
    const int w = x >> 6;
    uint64_t bits = (set ? row[w] : ~row[w]) & Mask(w, x, end);
    if (bits) return 64 * w + __builtin_ctzll(bits);
    x = 64 * (w + 1);
  }
  return end;
}

// Runs of uncovered pixels on one row of a box; -1 past the room.
int Runs(const VXGfxPixelRect& box, int y, int* starts, int* ends, int room) {
  const uint64_t* row = Row(y);
  const int end = box.x + box.w;
  int count = 0;
  for (int x = Next(row, box.x, end, false); x < end;) {
    const int x1 = Next(row, x, end, true);
    if (count == room) return -1;
    starts[count] = x;
    ends[count++] = x1;
    x = Next(row, x1, end, false);
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
  bool anyCovers = false;
  for (int i = 0; i < count && !anyCovers; ++i) anyCovers = sQueue[i].covers;
  if (!anyCovers) return;
  for (int i = count - 1; i >= 0; --i) {
    VXGfxHeld& e = sQueue[i];
    if (!e.placed || Area(e.box) == 0) continue;
    if (AllCovered(e.box)) {
      sDropped[i] = true;
      ++gVXGfxCounters.drawsSkipped;
      continue;
    }
    if (e.covers && e.parts == 0 && Area(e.box) >= kLarge && OnMap(e.box)) {
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
  ClearMarks();
}

bool Overlap(const VXGfxPixelRect& a, const VXGfxPixelRect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

int BatchVertices(const VXGfxHeld& e) {
  return e.mesh->pShape ? e.mesh->pShape->batchVertices : 0;
}

// Draws that may go to GL from one vertex buffer. Those wholly inside the
// viewport and those reaching past it stay apart: a software renderer clips
// every triangle of a draw call that reaches past it, a step that may move
// their edges by a rounding, so each of these keeps a draw call of its own.
bool SameState(const VXGfxHeld& a, const VXGfxHeld& b) {
  return a.texture == b.texture && a.program == b.program && a.blend == b.blend && a.camera == b.camera &&
         a.inside == b.inside && BatchVertices(a) == BatchVertices(b);
}

// The order to send in: each draw follows the last one of its picture and
// state when no draw between them shares a pixel with it. Draws that share
// no pixel can go in either order, so switches of picture and state get
// fewer and the frame stays the same.
int Order(int count) {
  int n = 0;
  for (int i = 0; i < count; ++i) {
    if (sDropped[i]) continue;
    const VXGfxHeld& e = sQueue[i];
    int at = n;
    for (int k = n - 1; k >= 0 && n - k <= kLookBack && e.placed; --k) {
      const VXGfxHeld& before = sQueue[sOrder[k]];
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

long Shared(const VXGfxPixelRect& a, const VXGfxPixelRect& b) {
  const int x0 = a.x > b.x ? a.x : b.x, y0 = a.y > b.y ? a.y : b.y;
  const int x1 = a.x + a.w < b.x + b.w ? a.x + a.w : b.x + b.w;
  const int y1 = a.y + a.h < b.y + b.h ? a.y + a.h : b.y + b.h;
  return x1 > x0 && y1 > y0 ? static_cast<long>(x1 - x0) * (y1 - y0) : 0;
}

bool Batchable(const VXGfxHeld& e) {
  return e.program == VX_PROGRAM_BATCH && e.parts <= 1;
}

// Where a draw may change pixels: its visible part, or its whole box.
const VXGfxPixelRect& Reach(const VXGfxHeld& e) {
  return e.parts == 1 ? e.part[0] : e.box;
}

VXGfxPixelRect Bounds(const VXGfxPixelRect& a, const VXGfxPixelRect& b) {
  const int x0 = a.x < b.x ? a.x : b.x, y0 = a.y < b.y ? a.y : b.y;
  const int x1 = a.x + a.w > b.x + b.w ? a.x + a.w : b.x + b.w;
  const int y1 = a.y + a.h > b.y + b.h ? a.y + a.h : b.y + b.h;
  return VXGfxPixelRect{x0, y0, x1 - x0, y1 - y0};
}

// Appends a draw's vertices to the batch; returns the new vertex count.
int Append(const VXGfxHeld& e, int vertices, const VXGfxPixelRect* scissor) {
  const VXGfxMeshShape& shape = *e.mesh->pShape;
  for (int v = 0; v < shape.batchVertices; ++v) {
    float* out = &sBatch[static_cast<size_t>(vertices++) * VX_BATCH_FLOATS];
    memcpy(out, shape.vertices[v], sizeof(float) * 5);
    memcpy(out + 5, e.world, sizeof(e.world));
    memcpy(out + 21, e.tint, sizeof(e.tint));
    out[25] = e.transparency[0];
  }
  gVXGfxCounters.pixelsCovered += scissor ? Shared(e.box, *scissor) : static_cast<long>(e.area);
  return vertices;
}

// Sends draws [from, to) of the order as one, through a scissor around what
// their visible parts reach when any of them has one.
void SendGroup(const VXGfxSender& sender, int from, int to) {
  const VXGfxHeld& first = sQueue[sOrder[from]];
  VXGfxPixelRect reach = Reach(first);
  bool clipped = false;
  int earliest = sOrder[from];
  for (int k = from; k < to; ++k) {
    const VXGfxHeld& e = sQueue[sOrder[k]];
    reach = Bounds(reach, Reach(e));
    clipped = clipped || e.parts == 1;
    earliest = sOrder[k] < earliest ? sOrder[k] : earliest;
  }
  const VXGfxPixelRect* scissor = clipped ? &reach : nullptr;
  const int each = first.inside ? 0 : first.mesh->pShape->batchVertices;
  int vertices = 0;
  for (int k = from; k < to; ++k) {
    const VXGfxHeld& e = sQueue[sOrder[k]];
    if (vertices + e.mesh->pShape->batchVertices > kBatchVertices) {
      sender.batch(first, sBatch, vertices, each, scissor, sQueue[earliest]);
      vertices = 0;
    }
    vertices = Append(e, vertices, scissor);
  }
  sender.batch(first, sBatch, vertices, each, scissor, sQueue[earliest]);
}

// A draw on its own, through each of its scissor rectangles when it has them.
void SendOne(const VXGfxSender& sender, const VXGfxHeld& e) {
  const int vertices = e.program == VX_PROGRAM_BATCH ? Append(e, 0, nullptr) : 0;
  const int each = e.inside ? 0 : vertices;
  if (e.parts == 0) {
    if (e.program == VX_PROGRAM_BATCH) {
      sender.batch(e, sBatch, vertices, each, nullptr, e);
    } else {
      if (e.placed) gVXGfxCounters.pixelsCovered += static_cast<long>(e.area);
      sender.one(e, nullptr);
    }
    return;
  }
  gVXGfxCounters.pixelsCovered -= static_cast<long>(e.area);  // counted by part instead
  for (int i = 0; i < e.parts; ++i) {
    gVXGfxCounters.pixelsCovered += Area(e.part[i]);
    if (e.program == VX_PROGRAM_BATCH) {
      sender.batch(e, sBatch, vertices, each, &e.part[i], e);
    } else {
      sender.one(e, &e.part[i]);
    }
  }
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
void SendAll(const VXGfxSender& sender, int n) {
  for (int i = 0; i < n;) {
    const VXGfxHeld& e = sQueue[sOrder[i]];
    if (!Batchable(e)) {
      SendOne(sender, e);
      ++i;
      continue;
    }
    VXGfxPixelRect group = Reach(e);
    bool clipped = e.parts == 1;
    int j = i + 1;
    for (; j < n; ++j) {
      const VXGfxHeld& next = sQueue[sOrder[j]];
      if (!Batchable(next) || !SameState(e, next)) break;
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
    SendGroup(sender, i, j);
    i = j;
  }
}

bool SameCamera(const VXGfxCamera& c, const float* projection, const float* view, const int* viewport) {
  return memcmp(c.projection, projection, sizeof(c.projection)) == 0 && memcmp(c.view, view, sizeof(c.view)) == 0 &&
         memcmp(c.viewport, viewport, sizeof(c.viewport)) == 0;
}

}  // namespace

VXGfxHeld* VXGfxQueueSlot(const float* projection, const float* view, const int* viewport) {
  if (sCount == kCapacity) return nullptr;
  if (sCameraCount == 0 || !SameCamera(sCameras[sCameraCount - 1], projection, view, viewport)) {
    if (sCameraCount == kCameras) return nullptr;
    VXGfxCamera& c = sCameras[sCameraCount++];
    memcpy(c.projection, projection, sizeof(c.projection));
    memcpy(c.view, view, sizeof(c.view));
    memcpy(c.viewport, viewport, sizeof(c.viewport));
    for (int col = 0; col < 4; ++col)
      for (int r = 0; r < 4; ++r) {
        double sum = 0.0;
        for (int k = 0; k < 4; ++k)
          sum += static_cast<double>(projection[4 * k + r]) * static_cast<double>(view[4 * col + k]);
        c.product[4 * col + r] = sum;
      }
  }
  VXGfxHeld& e = sQueue[sCount];
  e.camera = &sCameras[sCameraCount - 1];
  e.checkLine = 0;
  e.checkFunc = nullptr;
  return &e;
}

void VXGfxQueueAdd(void) {
  sDropped[sCount] = false;
  ++sCount;
}

bool VXGfxQueueBusy(void) {
  return sCount > 0;
}

void VXGfxQueueNoteCheck(int line, const char* func) {
  for (; sChecked < sCount; ++sChecked) {
    sQueue[sChecked].checkLine = line;
    sQueue[sChecked].checkFunc = func;
  }
}

void VXGfxQueueFit(int width, int height) {
  // Here, with the viewport, rather than while a frame draws.
  width = width > 0 ? width : 0;
  height = height > 0 ? height : 0;
  if (width == sMapW && height == sMapH) return;
  sMapW = width;
  sMapH = height;
  sWords = (width + 63) / 64;
  sCovered.assign(static_cast<size_t>(sWords) * static_cast<size_t>(height), 0);
  sDirtyY0 = sDirtyY1 = 0;
}

void VXGfxQueueSend(const VXGfxSender& sender) {
  const int count = sCount;
  sCount = sChecked = 0;
  Occlude(count);
  SendAll(sender, Order(count));
  sCameraCount = 0;
}

void VXGfxQueueDrop(void) {
  sCount = sChecked = sCameraCount = 0;
}
