// What must hold after every frame of a running level, whatever the player
// clicked: money and lives, the towers on their cells, the selection, the
// pools, the interface where the view is, and the monsters on the grid.
#pragma once
#include <string>

// The first rule the running level breaks now, or an empty string.
std::string BrokenRule();
// The code the map file in play gives a cell: drilling monsters only ever turn cells into path.
int MapFileCode(int cell);
