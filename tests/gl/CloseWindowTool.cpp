// vx_close_window WINDOW-ID: asks a window to close, as its close button would.
#include <cstdio>
#include <cstdlib>

#include "XClose.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s WINDOW-ID\n", argv[0]);
    return 2;
  }
  return SendWindowClose(strtoul(argv[1], nullptr, 0)) ? 0 : 1;
}
