// Closes a top-level window the way a window manager's close button does:
// a WM_DELETE_WINDOW client message. (Xlib stays in XClose.cpp: its macros
// clash with GoogleTest.)
#pragma once

bool SendWindowClose(unsigned long window);

// The X window behind an SDL window; 0 when there is none.
unsigned long XWindowOf(void* sdlWindow);
