// Vexor Engine: the PNG files the asset studio writes (8-bit RGB or RGBA,
// not interlaced), decoded with libdeflate: a few times faster than the
// general decoder, which takes every other image. Internal to graphics.
#pragma once
#include <cstddef>

#include "VXGfxPages.h"

// Decodes a whole PNG file held in memory into RGBA rows, top row first,
// width x 4 bytes each (RGB gains alpha 255), in a block for the caller to
// give back; opaque when the file has no alpha. False when it is a PNG of
// another kind or a damaged one: the caller hands those to the general
// decoder. Safe on any thread.
bool VXGfxPngDecode(const unsigned char* data, size_t size, VXGfxPages* pOut, int* pWidth, int* pHeight, bool* pOpaque);
