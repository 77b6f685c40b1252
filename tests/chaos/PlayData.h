// The data files a random run plays with: the shipped ones, or a data file of
// its own beside the shipped maps and pictures in a scratch folder that the
// run works in until it ends.
#pragma once
#include <string>

#include "RandomPlayer.h"

class PlayDataFolder {
 public:
  explicit PlayDataFolder(PlayData data);
  ~PlayDataFolder();

 private:
  std::string home;
  std::string scratch;
};
