// Image reading for the picture tests.
#include "ImageProbe.h"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

// jpeglib.h needs FILE declared before it.
#include <jpeglib.h>

std::vector<unsigned char> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

static int Be16(const unsigned char* p) {
  return (p[0] << 8) | p[1];
}
static long Be32(const unsigned char* p) {
  return (static_cast<long>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

ImageHeader ReadImageHeader(const std::string& path) {
  ImageHeader h;
  std::vector<unsigned char> b = ReadBytes(path);
  static const unsigned char kPngSig[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (b.size() >= 33 && std::equal(kPngSig, kPngSig + 8, b.begin())) {
    h.ok = std::string(b.begin() + 12, b.begin() + 16) == "IHDR";
    h.png = true;
    h.width = static_cast<int>(Be32(&b[16]));
    h.height = static_cast<int>(Be32(&b[20]));
    h.alpha = b[25] == 6 || b[25] == 4;
    return h;
  }
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return h;
  // Walk the JPEG segments to the frame header (SOF0..SOF2).
  size_t i = 2;
  while (i + 9 < b.size() && b[i] == 0xFF) {
    int marker = b[i + 1];
    int len = Be16(&b[i + 2]);
    if (marker >= 0xC0 && marker <= 0xC2) {
      h.ok = true;
      h.height = Be16(&b[i + 5]);
      h.width = Be16(&b[i + 7]);
      return h;
    }
    i += 2 + static_cast<size_t>(len);
  }
  return h;
}

static Pixels DecodePng(const std::string& path) {
  Pixels px;
  cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
    cairo_surface_flush(s);
    px.width = cairo_image_surface_get_width(s);
    px.height = cairo_image_surface_get_height(s);
    int stride = cairo_image_surface_get_stride(s);
    bool hasAlpha = cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32;
    const unsigned char* data = cairo_image_surface_get_data(s);
    for (int y = 0; y < px.height; ++y) {
      const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
      for (int x = 0; x < px.width; ++x) {
        uint32_t p = row[x];
        uint32_t a = hasAlpha ? p >> 24 : 255;
        auto un = [&](uint32_t c) { return a ? std::min<uint32_t>(255, (c * 255 + a / 2) / a) : 0; };
        px.argb.push_back((a << 24) | (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF));
      }
    }
  }
  cairo_surface_destroy(s);
  return px;
}

static Pixels DecodeJpeg(const std::string& path) {
  Pixels px;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return px;
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, f);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  px.width = static_cast<int>(cinfo.output_width);
  px.height = static_cast<int>(cinfo.output_height);
  std::vector<unsigned char> row(static_cast<size_t>(px.width) * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW r = row.data();
    jpeg_read_scanlines(&cinfo, &r, 1);
    for (int x = 0; x < px.width; ++x) {
      px.argb.push_back(0xFF000000u | (row[x * 3] << 16) | (row[x * 3 + 1] << 8) | row[x * 3 + 2]);
    }
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  std::fclose(f);
  return px;
}

Pixels DecodeImage(const std::string& path) {
  ImageHeader h = ReadImageHeader(path);
  if (!h.ok) return {};
  return h.png ? DecodePng(path) : DecodeJpeg(path);
}
