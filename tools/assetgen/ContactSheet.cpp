// The review sheet: pictures sorted by path, each scaled into a cell over a
// checkerboard so transparency shows, its path written underneath.
#include "ContactSheet.h"

#include <algorithm>
#include <cmath>
#include <numeric>

static const int kColumns = 10;
static const int kCellW = 240;
static const int kCellH = 230;
static const int kImageBox = 200;

static void Checkerboard(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  const double sq = 8.0;
  for (int j = 0; j * sq < h; ++j) {
    for (int i = 0; i * sq < w; ++i) {
      double v = ((i + j) % 2) ? 0.78 : 0.62;
      cairo_set_source_rgb(cr, v, v, v);
      cairo_rectangle(cr, x + i * sq, y + j * sq, sq, sq);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

bool WriteContactSheet(const std::vector<Picture>& pictures, const std::vector<cairo_surface_t*>& surfaces,
                       const std::string& path) {
  std::vector<size_t> order(pictures.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return pictures[a].path < pictures[b].path; });

  int rows = static_cast<int>((order.size() + kColumns - 1) / kColumns);
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kColumns * kCellW, rows * kCellH);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.16, 0.17, 0.2);
  cairo_paint(cr);
  for (size_t n = 0; n < order.size(); ++n) {
    const Picture& pic = pictures[order[n]];
    double cellX = static_cast<double>(n % kColumns) * kCellW;
    double cellY = static_cast<double>(n / kColumns) * kCellH;
    double scale = std::min(static_cast<double>(kImageBox) / pic.width, static_cast<double>(kImageBox) / pic.height);
    double w = pic.width * scale, h = pic.height * scale;
    double x = std::floor(cellX + (kCellW - w) / 2.0), y = std::floor(cellY + 6 + (kImageBox - h) / 2.0);
    Checkerboard(cr, x, y, w, h);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, surfaces[order[n]], 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    DrawTextCentred(cr, pic.path.c_str(), cellX + kCellW / 2.0, cellY + kImageBox + 17, 11, "DejaVu Sans", false,
                    {0.92, 0.92, 0.92});
  }
  cairo_destroy(cr);
  bool ok = cairo_surface_write_to_png(sheet, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(sheet);
  return ok;
}
