// What the bot reads off the screen: the map's path and free cells, the
// towers standing, money, lives and the wave; and which cells drilling
// monsters will tear up.
#pragma once
#include <vector>

class Tower;

struct BoardView {
  BoardView();
  // Reads the grid and the towers as they are now.
  void Look();

  bool IsPath(int cell) const;
  // Path cells whose centres lie within a range of a cell's centre.
  int PathInRange(int cell, int range) const;
  // A free grass cell the bot may build on: buildable, not on a drilling
  // monster's way, and with room for the upgrade cell to its right in view.
  bool CanBuildOn(int cell) const;
  // The free cell seeing the most path, or -1.
  int BestFreeCell(int range) const;

  int codes[264];
  bool doomed[264];            // turned to path by the next drilling monster
  std::vector<Tower*> towers;  // in play
  int money;
  int lives;
  int wave;  // 0..9

 private:
  void TraceDrill();
};

int CellColumn(int cell);
int CellRow(int cell);
