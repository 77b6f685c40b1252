#include "XShown.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// The byte of a pixel value that a channel mask picks out.
unsigned char Channel(unsigned long pixel, unsigned long mask) {
  int shift = 0;
  while (mask && !(mask & 1ul)) {
    mask >>= 1;
    ++shift;
  }
  return static_cast<unsigned char>((pixel >> shift) & mask);
}

}  // namespace

std::vector<unsigned char> XShownPixels(unsigned long window, int width, int height) {
  std::vector<unsigned char> rgb;
  Display* display = XOpenDisplay(nullptr);
  if (!display) return rgb;
  XImage* image =
      XGetImage(display, window, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (image) {
    rgb.reserve(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const unsigned long p = XGetPixel(image, x, y);
        rgb.push_back(Channel(p, image->red_mask));
        rgb.push_back(Channel(p, image->green_mask));
        rgb.push_back(Channel(p, image->blue_mask));
      }
    XDestroyImage(image);
  }
  XCloseDisplay(display);
  return rgb;
}

bool XSpoilAndExpose(unsigned long window, int x, int y, int width, int height) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  GC gc = XCreateGC(display, window, 0, nullptr);
  XSetForeground(display, gc, WhitePixel(display, DefaultScreen(display)));
  XFillRectangle(display, window, gc, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height));
  XFreeGC(display, gc);
  XEvent e{};
  e.xexpose.type = Expose;
  e.xexpose.window = window;
  e.xexpose.x = x;
  e.xexpose.y = y;
  e.xexpose.width = width;
  e.xexpose.height = height;
  const Status ok = XSendEvent(display, window, False, ExposureMask, &e);
  XSync(display, False);
  XCloseDisplay(display);
  return ok != 0;
}
