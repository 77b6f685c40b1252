// Vexor Engine: the frame's record, and the frames that need not be drawn
// again. A frame's pixels follow from its commands alone (what each draws
// and with which render state), once the meshes, pictures and fonts they
// name stay as they were: every change to those breaks the record.
#include "VXGfxFrame.h"

#include <cstring>
#include <memory>
#include <utility>

#include "VXGfxDevice.h"
#include "VXGfxInternal.h"
#include "VXGfxState.h"

namespace {

enum Kind { kClear, kDraw, kLine, kText };

// What a frame may hold; a frame with more is simply drawn. The stores are
// made once and their pages are only touched as frames fill them.
const int kCommands = 4096;
const int kFloats = 1 << 18;
// Frames drawn whatever they repeat after a new context: the window may
// not have shown the first ones.
const int kFirstFrames = 2;

struct Command {
  int kind;
  int mode;  // the render mode in use
  int blend;
  int drawMode;
  const VXGfxVertexList* mesh;
  VXGfxTexture* texture;
  unsigned atlas;
  int viewport[4];
  int first, count;  // its floats in the record's store
};

struct Record {
  std::unique_ptr<Command[]> commands;
  std::unique_ptr<float[]> floats;
  int count = 0, used = 0;
  // Every command is in it, and what they name is still as it was.
  bool whole = false;
};

Record sRecords[2];
Record* sLast = &sRecords[0];  // the last presented frame
Record* sThis = &sRecords[1];
bool sHolding = false;  // nothing of this frame has been sent yet
int sRedraw = 0;        // frames still to be drawn whatever they repeat
VXGfxReplay sReplay = {};

int PackedUniforms() {
  static const int kPacked = [] {
    int n = 0;
    for (int id = 0; id < VX_U_COUNT; ++id) n += VXGfxUniformSize(id);
    return n;
  }();
  return kPacked;
}

// The uniforms of a render mode one after the other, and back.
void PackUniforms(int mode, float* out) {
  for (int id = 0; id < VX_U_COUNT; ++id) {
    const int n = VXGfxUniformSize(id);
    memcpy(out, VXGfxState().uniforms[mode][id], sizeof(float) * static_cast<size_t>(n));
    out += n;
  }
}

void UnpackUniforms(const float* in, float (*uniforms)[16]) {
  for (int id = 0; id < VX_U_COUNT; ++id) {
    const int n = VXGfxUniformSize(id);
    memcpy(uniforms[id], in, sizeof(float) * static_cast<size_t>(n));
    in += n;
  }
}

bool SameCommand(const Command& a, const float* aFloats, const Command& b, const float* bFloats) {
  return a.kind == b.kind && a.mode == b.mode && a.blend == b.blend && a.drawMode == b.drawMode && a.mesh == b.mesh &&
         a.texture == b.texture && a.atlas == b.atlas && memcmp(a.viewport, b.viewport, sizeof(a.viewport)) == 0 &&
         a.count == b.count &&
         memcmp(aFloats + a.first, bFloats + b.first, sizeof(float) * static_cast<size_t>(a.count)) == 0;
}

// Sends commands [0, end) of this frame, each with the render state it was
// noted with, then brings back the state as the game has it now.
void Send(int end) {
  sHolding = false;
  if (end == 0) return;
  const VXGfxRenderState now = VXGfxState();
  const int nowMode = gVXCurrentProgram;
  // Each command sets every part of the state that it reads.
  VXGfxRenderState then = now;
  for (int i = 0; i < end; ++i) {
    const Command& c = sThis->commands[i];
    const float* f = &sThis->floats[c.first];
    then.blend = c.blend;
    then.texture = c.texture;
    memcpy(then.viewport, c.viewport, sizeof(then.viewport));
    if (c.kind == kDraw || c.kind == kLine) UnpackUniforms(f, then.uniforms[c.mode]);
    if (c.kind == kClear) memcpy(then.clear, f, sizeof(then.clear));
    VXGfxStateLoad(then, c.mode);
    switch (c.kind) {
      case kClear:
        sReplay.clear();
        break;
      case kDraw:
        sReplay.draw(c.mesh, c.drawMode);
        break;
      case kLine:
        sReplay.line(f + PackedUniforms(), f + PackedUniforms() + 6);
        break;
      default:
        sReplay.text(c.atlas, f + 4, (c.count - 4) / 4, f);
        break;
    }
  }
  VXGfxStateLoad(now, nowMode);
  VXGfxDeviceFollow();
}

// A new command with room for its floats; null when the record is full
// (then this frame is drawn as it comes). Each command notes only the parts
// of the render state that it reads, so that a change to the others (the
// picture bound before a clear, say) makes no difference.
Command* Note(int kind, int floats) {
  Record& r = *sThis;
  if (r.count == 0) sHolding = sLast->whole && sRedraw == 0;
  if (!r.commands || r.count == kCommands || r.used + floats > kFloats) {
    VXGfxFrameBreak();
    return nullptr;
  }
  Command& c = r.commands[r.count];
  c = Command{};
  c.kind = kind;
  c.first = r.used;
  c.count = floats;
  r.used += floats;
  ++r.count;
  return &c;
}

// The render mode, blending and viewport a draw is made with.
void NoteDrawState(Command* c) {
  const VXGfxRenderState& state = VXGfxState();
  c->mode = gVXCurrentProgram;
  c->blend = state.blend;
  memcpy(c->viewport, state.viewport, sizeof(c->viewport));
}

float* FloatsOf(const Command& c) {
  return &sThis->floats[c.first];
}

// Whether the frame may go on waiting after its newest command: while it
// repeats the last presented frame so far. Otherwise what waited is sent.
bool Hold() {
  if (!sHolding) return false;
  const int i = sThis->count - 1;
  if (i < sLast->count && SameCommand(sThis->commands[i], sThis->floats.get(), sLast->commands[i], sLast->floats.get()))
    return true;
  Send(i);
  return false;
}

void Empty(Record* r) {
  r->count = r->used = 0;
  r->whole = false;
}

}  // namespace

void VXGfxFrameStart(const VXGfxReplay& replay) {
  sReplay = replay;
  for (Record& r : sRecords) {
    if (!r.commands) r.commands.reset(new Command[kCommands]);
    if (!r.floats) r.floats.reset(new float[kFloats]);
  }
  VXGfxFrameDrop();
}

void VXGfxFrameDrop(void) {
  Empty(sLast);
  Empty(sThis);
  sThis->whole = true;
  sHolding = false;
  sRedraw = kFirstFrames;
}

bool VXGfxFrameClear(void) {
  Command* c = Note(kClear, 4);
  if (!c) return false;
  memcpy(FloatsOf(*c), VXGfxState().clear, sizeof(float) * 4);
  return Hold();
}

bool VXGfxFrameDraw(const VXGfxVertexList* mesh, int mode) {
  Command* c = Note(kDraw, PackedUniforms());
  if (!c) return false;
  NoteDrawState(c);
  if (c->mode == VX_RENDER_TEXTURE) c->texture = VXGfxState().texture;
  c->mesh = mesh;
  c->drawMode = mode;
  PackUniforms(c->mode, FloatsOf(*c));
  return Hold();
}

bool VXGfxFrameLine(const float* positions, const float* colors) {
  const int uniforms = PackedUniforms();
  Command* c = Note(kLine, uniforms + 14);
  if (!c) return false;
  NoteDrawState(c);
  float* f = FloatsOf(*c);
  PackUniforms(c->mode, f);
  memcpy(f + uniforms, positions, sizeof(float) * 6);
  memcpy(f + uniforms + 6, colors, sizeof(float) * 8);
  return Hold();
}

bool VXGfxFrameText(unsigned atlas, const float* vertices, int count, const float* rgba) {
  Command* c = Note(kText, 4 + 4 * count);
  if (!c) return false;
  c->atlas = atlas;
  memcpy(c->viewport, VXGfxState().viewport, sizeof(c->viewport));
  float* f = FloatsOf(*c);
  memcpy(f, rgba, sizeof(float) * 4);
  memcpy(f + 4, vertices, sizeof(float) * 4 * static_cast<size_t>(count));
  return Hold();
}

void VXGfxFrameBreak(void) {
  if (sHolding) Send(sThis->count);
  sThis->whole = false;
  sRedraw = sRedraw > 0 ? sRedraw : 1;
}

void VXGfxFrameRedraw(void) {
  sRedraw = sRedraw > 0 ? sRedraw : 1;
}

bool VXGfxFrameHolding(void) {
  return sHolding;
}

bool VXGfxFrameRepeats(void) {
  const bool repeats = sHolding && sRedraw == 0 && sThis->count == sLast->count;
  if (!repeats) {
    if (sHolding) Send(sThis->count);
    if (sRedraw > 0) --sRedraw;
    std::swap(sLast, sThis);
  }
  sThis->count = sThis->used = 0;
  sThis->whole = true;
  sHolding = false;
  return repeats;
}
