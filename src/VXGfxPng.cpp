// Vexor Engine: PNG decoding for the studio's pictures. Every chunk's CRC
// and the stream's checksum are checked as the general decoder checks them;
// whatever this does not take is left to that decoder.
#include "VXGfxPng.h"

#include <libdeflate.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const unsigned char kSignature[8] = {137, 'P', 'N', 'G', 13, 10, 26, 10};
// Past any texture GL takes: left to the general decoder, which fails it.
const uint32_t kLargest = 1u << 14;

struct Header {
  uint32_t width = 0, height = 0;
  size_t channels = 0;  // 3 for RGB, 4 for RGBA
};

uint32_t Be32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
         p[3];
}

bool Is(const unsigned char* type, const char* name) {
  return memcmp(type, name, 4) == 0;
}

bool ReadHeader(const unsigned char* body, uint32_t length, Header* h) {
  if (length != 13) return false;
  h->width = Be32(body);
  h->height = Be32(body + 4);
  // 8 bits a channel, RGB or RGBA, deflate, the one filter method, no interlacing.
  if (body[8] != 8 || (body[9] != 2 && body[9] != 6) || body[10] != 0 || body[11] != 0 || body[12] != 0) return false;
  h->channels = body[9] == 6 ? 4 : 3;
  return h->width > 0 && h->height > 0 && h->width <= kLargest && h->height <= kLargest;
}

// Walks the chunks: the header, and the compressed rows gathered. False for
// a damaged file or anything the studio does not write (a palette, a
// transparent colour, a critical chunk of another kind).
bool ReadChunks(const unsigned char* data, size_t size, Header* h, VXGfxPages* compressed, size_t* used) {
  if (size < 8 || memcmp(data, kSignature, 8) != 0) return false;
  *used = 0;
  bool header = false;
  for (size_t at = 8;;) {
    if (size - at < 12) return false;
    const uint32_t length = Be32(data + at);
    if (length > size - at - 12) return false;
    const unsigned char* type = data + at + 4;
    const unsigned char* body = type + 4;
    if (libdeflate_crc32(0, type, length + 4) != Be32(body + length)) return false;
    if (Is(type, "IHDR")) {
      if (header || !ReadHeader(body, length, h)) return false;
      header = true;
    } else if (!header) {
      return false;  // the header comes first
    } else if (Is(type, "IDAT")) {
      // The chunks together are no bigger than the file.
      if (!compressed->data) *compressed = VXGfxPagesTake(size);
      if (!compressed->data) return false;
      memcpy(compressed->data + *used, body, length);
      *used += length;
    } else if (Is(type, "IEND")) {
      return *used > 0;
    } else if (Is(type, "tRNS") || (type[0] & 0x20) == 0) {
      return false;
    }
    at += 12 + length;
  }
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c, pa = abs(p - a), pb = abs(p - b), pc = abs(p - c);
  return pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
}

// Undoes one of PNG's five filters on a row, in place, given the row above
// it as already undone. False for a filter that does not exist.
bool Unfilter(int filter, unsigned char* row, const unsigned char* above, size_t bytes, size_t bpp) {
  switch (filter) {
    case 0:
      return true;
    case 1:
      for (size_t i = bpp; i < bytes; ++i) row[i] = static_cast<unsigned char>(row[i] + row[i - bpp]);
      return true;
    case 2:
      for (size_t i = 0; i < bytes; ++i) row[i] = static_cast<unsigned char>(row[i] + above[i]);
      return true;
    case 3:
      for (size_t i = 0; i < bytes; ++i) {
        const int left = i >= bpp ? row[i - bpp] : 0;
        row[i] = static_cast<unsigned char>(row[i] + ((left + above[i]) >> 1));
      }
      return true;
    case 4:
      for (size_t i = 0; i < bytes; ++i) {
        const int left = i >= bpp ? row[i - bpp] : 0, corner = i >= bpp ? above[i - bpp] : 0;
        row[i] = static_cast<unsigned char>(row[i] + Paeth(left, above[i], corner));
      }
      return true;
    default:
      return false;
  }
}

// The inflated rows, unfiltered, into RGBA rows.
bool Unfold(const Header& h, unsigned char* rows, unsigned char* out) {
  const size_t bytes = h.width * h.channels, stride = bytes + 1;
  // The first row's filter sees zeros above it.
  const std::vector<unsigned char> zeros(bytes, 0);
  const unsigned char* above = zeros.data();
  for (uint32_t y = 0; y < h.height; ++y) {
    unsigned char* row = rows + stride * y;
    if (!Unfilter(row[0], row + 1, above, bytes, h.channels)) return false;
    above = row + 1;
    unsigned char* dst = out + static_cast<size_t>(h.width) * 4 * y;
    if (h.channels == 4) {
      memcpy(dst, row + 1, bytes);
      continue;
    }
    for (uint32_t x = 0; x < h.width; ++x) {
      memcpy(dst + 4 * x, row + 1 + 3 * x, 3);
      dst[4 * x + 3] = 255;
    }
  }
  return true;
}

// Inflates the joined chunks into exactly the rows the header asks for.
bool Inflate(const VXGfxPages& compressed, size_t used, unsigned char* rows, size_t bytes) {
  libdeflate_decompressor* inflater = libdeflate_alloc_decompressor();
  if (!inflater) return false;
  size_t got = 0;
  const bool ok =
      libdeflate_zlib_decompress(inflater, compressed.data, used, rows, bytes, &got) == LIBDEFLATE_SUCCESS &&
      got == bytes;
  libdeflate_free_decompressor(inflater);
  return ok;
}

}  // namespace

bool VXGfxPngDecode(const unsigned char* data, size_t size, VXGfxPages* pOut, int* pWidth, int* pHeight,
                    bool* pOpaque) {
  Header h;
  VXGfxPages compressed, rows, out;
  size_t used = 0;
  bool ok = ReadChunks(data, size, &h, &compressed, &used);
  const size_t inflated = (h.width * h.channels + 1) * h.height;
  if (ok) rows = VXGfxPagesTake(inflated);
  ok = ok && rows.data && Inflate(compressed, used, rows.data, inflated);
  if (ok) out = VXGfxPagesTake(static_cast<size_t>(h.width) * h.height * 4);
  ok = ok && out.data && Unfold(h, rows.data, out.data);
  VXGfxPagesGive(&compressed);
  VXGfxPagesGive(&rows);
  if (!ok) {
    VXGfxPagesGive(&out);
    return false;
  }
  *pOut = out;
  *pWidth = static_cast<int>(h.width);
  *pHeight = static_cast<int>(h.height);
  *pOpaque = h.channels == 3;
  return true;
}
