// PNG (libpng) and JPEG (libjpeg) writers for Cairo ARGB32 surfaces.
#include "ImageFiles.h"

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

// jpeglib.h needs FILE declared before it.
#include <jpeglib.h>

// Cairo keeps premultiplied native-endian ARGB; files want straight RGB(A).
static void RowToRgba(const uint32_t* src, int w, unsigned char* out) {
  for (int x = 0; x < w; ++x) {
    uint32_t p = src[x], a = p >> 24;
    auto un = [a](uint32_t c) { return static_cast<unsigned char>(a ? (c * 255 + a / 2) / a : 0); };
    out[x * 4 + 0] = un((p >> 16) & 0xFF);
    out[x * 4 + 1] = un((p >> 8) & 0xFF);
    out[x * 4 + 2] = un(p & 0xFF);
    out[x * 4 + 3] = static_cast<unsigned char>(a);
  }
}

static bool Opaque(const unsigned char* data, int w, int h, int stride) {
  for (int y = 0; y < h; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < w; ++x) {
      if (row[x] >> 24 != 0xFF) return false;
    }
  }
  return true;
}

// RGBA to RGB in place, for a picture with nothing to see through.
static void DropAlpha(unsigned char* row, int w) {
  for (int x = 0; x < w; ++x) memmove(row + 3 * x, row + 4 * x, 3);
}

bool WritePng(cairo_surface_t* surface, const std::string& path) {
  int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const bool opaque = Opaque(data, w, h, stride);
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  std::vector<unsigned char> row(static_cast<size_t>(w) * 4);
  bool ok = png && info;
  if (ok && setjmp(png_jmpbuf(png))) ok = false;
  if (ok) {
    png_init_io(png, file);
    // Flat colours and long runs compress as small unfiltered, and a row
    // that needs no unfiltering decodes fastest.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
                 opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) {
      RowToRgba(reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride), w, row.data());
      if (opaque) DropAlpha(row.data(), w);
      png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
  }
  png_destroy_write_struct(&png, &info);
  return (std::fclose(file) == 0) && ok;
}

bool WriteJpeg(cairo_surface_t* surface, const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = static_cast<JDIMENSION>(w);
  cinfo.image_height = static_cast<JDIMENSION>(h);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 92, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<size_t>(w) * 3);
  for (int y = 0; y < h; ++y) {
    // Premultiplied colour is exactly the colour flattened on black.
    const uint32_t* src = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < w; ++x) {
      row[x * 3 + 0] = static_cast<unsigned char>((src[x] >> 16) & 0xFF);
      row[x * 3 + 1] = static_cast<unsigned char>((src[x] >> 8) & 0xFF);
      row[x * 3 + 2] = static_cast<unsigned char>(src[x] & 0xFF);
    }
    JSAMPROW rowPtr = row.data();
    jpeg_write_scanlines(&cinfo, &rowPtr, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fclose(file) == 0;
}
