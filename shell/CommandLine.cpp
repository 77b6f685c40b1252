// Command-line options and how they set up the first frame.
#include "shell/CommandLine.h"

#include <cerrno>
#include <cstring>

#include "VXSystem.h"
#include "resources/SoundManager.h"
#include "screens/Options.h"

static const char kUsage[] =
    "Usage: orvane [--windowed] [--mute]\n"
    "       orvane -h | --help | --version\n"
    "Tower defence through the four seasons.\n"
    "\n"
    "  --windowed  start in a 960x720 window instead of full screen\n"
    "  --mute      start with the sound switched off\n"
    "  -h, --help  print this help and exit\n"
    "  --version   print the game and engine versions and exit\n";

// 0 once the text is out; 1, with a line on err, when it could not be written
// (standard output on a full disk): a script asking for it must not take
// nothing for the answer.
static int Answer(const char* text, std::FILE* out, std::FILE* err) {
  if (std::fputs(text, out) >= 0 && std::fflush(out) == 0) return 0;
  std::fprintf(err, "orvane: cannot write to standard output: %s\n", std::strerror(errno));
  return 1;
}

int ReadCommandLine(int argc, const char* const* argv, StartOptions* options, std::FILE* out, std::FILE* err) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--windowed") == 0) {
      options->windowed = true;
    } else if (std::strcmp(arg, "--mute") == 0) {
      options->mute = true;
    } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
      return Answer(kUsage, out, err);
    } else if (std::strcmp(arg, "--version") == 0) {
      char version[64];
      std::snprintf(version, sizeof(version), "Orvane %s\nVexor Engine %.2f\n", ORVANE_VERSION, VX_ENGINE_VERSION);
      return Answer(version, out, err);
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
