// The rich and harsh data files and the scratch folder; see PlayData.h.
#include "PlayData.h"

#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace {

// Much money and lives, six weak monsters a wave: a random player builds and
// upgrades freely, fills the tower pool and wins.
void WriteRich(std::ofstream& out) {
  out << "Money: 4000\nLives: 60\n";
  for (int w = 0; w < 10; ++w)
    out << "Wave: " << w << "\nCount: 6\nHealth: " << 8 + 2 * w << "\nSpeed: 70\nReward: 4\n";
  const int damage[4] = {10, 9, 12, 14};
  for (int d : damage) out << "Damage: " << d << "\nRange: 220\nBulletSpeed: 450\n";
}

// Three lives against strong, fast monsters: the game is soon lost.
void WriteHarsh(std::ofstream& out) {
  out << "Money: 100\nLives: 3\n";
  for (int w = 0; w < 10; ++w) out << "Wave: " << w << "\nCount: 12\nHealth: 600\nSpeed: 110\nReward: 5\n";
  for (int t = 0; t < 4; ++t) out << "Damage: 10\nRange: 120\nBulletSpeed: 450\n";
}

}  // namespace

PlayDataFolder::PlayDataFolder(PlayData data) {
  if (data == DATA_SHIPPED) return;
  char cwd[4096];
  if (!getcwd(cwd, sizeof(cwd))) return;
  char dir[] = "/tmp/orvane-chaos-XXXXXX";
  if (!mkdtemp(dir)) return;
  home = cwd;
  scratch = dir;
  // Every file and folder of the game's Resources but the data file, linked.
  const std::string resources = home + "/Resources";
  const std::string mine = scratch + "/Resources";
  mkdir(mine.c_str(), 0700);
  if (DIR* d = opendir(resources.c_str())) {
    while (dirent* e = readdir(d)) {
      std::string name = e->d_name;
      if (name == "." || name == ".." || name == "DataInput.txt") continue;
      if (symlink((resources + "/" + name).c_str(), (mine + "/" + name).c_str()) != 0) std::perror(name.c_str());
    }
    closedir(d);
  }
  std::ofstream out(mine + "/DataInput.txt");
  if (data == DATA_RICH) {
    WriteRich(out);
  } else {
    WriteHarsh(out);
  }
  out.close();
  if (chdir(scratch.c_str()) != 0) std::perror(scratch.c_str());
}

PlayDataFolder::~PlayDataFolder() {
  if (scratch.empty()) return;
  if (chdir(home.c_str()) != 0) std::perror(home.c_str());
  if (std::system(("rm -rf '" + scratch + "'").c_str()) != 0) std::fprintf(stderr, "%s stays\n", scratch.c_str());
}
