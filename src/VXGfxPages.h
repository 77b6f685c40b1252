// Vexor Engine: big blocks of memory for decoding pictures, mapped from the
// kernel and unmapped at the end of loading. The allocator would keep a
// worker thread's freed blocks in that thread's own pool, resident, long
// after the thread is gone; blocks given back here are taken again by the
// next picture, so their pages are touched once. Safe on any thread.
// Internal to graphics.
#pragma once
#include <cstddef>

struct VXGfxPages {
  unsigned char* data = nullptr;
  size_t size = 0;
};

// A block of at least `bytes`: one given back that is big enough, or a new one
// (empty when the kernel has no more).
VXGfxPages VXGfxPagesTake(size_t bytes);
// For the next one to take; an empty block is ignored.
void VXGfxPagesGive(VXGfxPages* pPages);
// Every block given back goes back to the kernel.
void VXGfxPagesRelease(void);
