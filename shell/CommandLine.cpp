// Command-line options and how they set up the first frame.
#include "shell/CommandLine.h"

#include <cstring>

#include "VXSystem.h"
#include "resources/SoundManager.h"
#include "screens/Options.h"

static const char kUsage[] =
    "Usage: orvane [--windowed] [--mute]\n"
    "       orvane --help | --version\n"
    "Tower defence through the four seasons.\n"
    "\n"
    "  --windowed  start in a 960x720 window instead of full screen\n"
    "  --mute      start with the sound switched off\n"
    "  --help      print this help and exit\n"
    "  --version   print the game and engine versions and exit\n";

int ReadCommandLine(int argc, const char* const* argv, StartOptions* options, std::FILE* out, std::FILE* err) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--windowed") == 0) {
      options->windowed = true;
    } else if (std::strcmp(arg, "--mute") == 0) {
      options->mute = true;
    } else if (std::strcmp(arg, "--help") == 0) {
      std::fputs(kUsage, out);
      return 0;
    } else if (std::strcmp(arg, "--version") == 0) {
      std::fprintf(out, "Orvane %s\nVexor Engine %.2f\n", ORVANE_VERSION, VX_ENGINE_VERSION);
      return 0;
    } else {
      const char* what = arg[0] == '-' ? "unknown option" : "unexpected argument";
      std::fprintf(err, "orvane: %s '%s'\n%s", what, arg, kUsage);
      return 2;
    }
  }
  return -1;
}

void ApplyStartOptions(const StartOptions& options) {
  gFullScreenOption = !options.windowed;
  gSoundOption = !options.mute;
  // Only a muted start makes the sound manager before the first frame: its
  // switch must be off before the main menu starts the music.
  if (options.mute) SoundManager::GetInstance()->soundEnabled = false;
  VXToogleFullScreen(gFullScreenOption);
}
