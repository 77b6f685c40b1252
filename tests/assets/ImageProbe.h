// Reads what the tests need from generated images: header facts and, for
// pixel checks, the decoded pixels (Cairo for PNG, libjpeg for JPEG).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct ImageHeader {
  bool ok = false;
  bool png = false;
  int width = 0, height = 0;
  bool alpha = false;  // PNG colour type with an alpha channel
};
ImageHeader ReadImageHeader(const std::string& path);

struct Pixels {
  int width = 0, height = 0;
  std::vector<uint32_t> argb;  // straight (not premultiplied) 0xAARRGGBB, top row first
  uint32_t At(int x, int y) const { return argb[static_cast<size_t>(y) * width + x]; }
  int Alpha(int x, int y) const { return At(x, y) >> 24; }
};
// Empty (width 0) when the file cannot be decoded.
Pixels DecodeImage(const std::string& path);

std::vector<unsigned char> ReadBytes(const std::string& path);
