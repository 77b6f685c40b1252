// What an X window shows, read from the server rather than from GL: the
// pixels a player sees. (Xlib stays in XShown.cpp: its macros clash with
// GoogleTest.)
#pragma once
#include <vector>

// The window's pixels as R, G, B bytes, top row first; empty when it cannot be read.
std::vector<unsigned char> XShownPixels(unsigned long window, int width, int height);

// What another window passing over it leaves: the rectangle painted white
// by someone else, and the window told to draw it again (an expose event).
bool XSpoilAndExpose(unsigned long window, int x, int y, int width, int height);
