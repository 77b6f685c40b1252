// The command line. With no arguments the game starts as it always has: full
// screen, with sound.
#pragma once
#include <cstdio>

struct StartOptions {
  bool windowed = false;  // the 960x720 window instead of full screen
  bool mute = false;      // as if the options screen's sound switch were off
};

// Reads the arguments in order. Returns -1 when the game is to start with
// *options; otherwise the exit status, having printed what was asked for to
// out (0: -h, --help, --version; 1 when out cannot take it) or the fault and
// the usage to err (2).
int ReadCommandLine(int argc, const char* const* argv, StartOptions* options, std::FILE* out, std::FILE* err);

// Before the first frame: the window mode and the sound switch as the options
// screen will show them. Takes the place of the plain switch to full screen.
void ApplyStartOptions(const StartOptions& options);
