// The game on the headless engine in a scratch working folder, for the
// fuzzers, the fault tests and the soak test: Resources/ there links the
// built pictures and sounds and holds copies of the data files, which callers
// rewrite, spoil or take away. Clock and input are scripted.
#pragma once
#include <cstddef>
#include <string>

class Monster;

namespace rig {

// Makes the scratch folder and enters it; it is removed at exit. Its
// Resources/ is made from the build's (empty when builtResources is "").
void EnterScratch(const std::string& builtResources);
// EnterScratch, then the headless engine with frames of 1/frameRate s.
void Start(const std::string& builtResources, unsigned frameRate);

// Data files by name ("GUI.txt"): rewritten, taken away, or put back as built.
void WriteData(const char* name, const void* bytes, size_t size);
void RemoveData(const char* name);
void RestoreData(const char* name);
std::string BuiltData(const char* name);

void Frame();
void Frames(int count);
// Key up for a frame, down for a frame (a trigger), then released.
void Press(unsigned char key);
void Click(int x, int y);

// Takes the quit path, so the running screen is freed, unloaded and deleted
// before the process ends (as the game does).
void Quit();

// Switches to a state and runs its first frame.
void Enter(int state);
// Enters a fresh level on a map (0 first, 1 second).
void EnterLevel(unsigned char map);
// The level's try-again: every data file is read again on the same objects.
// From any other screen the level is entered first, on the last map chosen.
void RestartLevel();

// Stops the wave countdown and puts one monster of each given wave on the
// entry, at `speed` units a second when it is above 0, else at the data's.
void HoldWavesAndSpawn(const int* waves, int count, float speed);
// True while every monster in play stands on a grid cell.
bool MonstersStayOnTheGrid();
// Only the monsters in play take `steps` frame steps, nothing else runs: far
// cheaper than whole frames. False as soon as one stands off the grid.
bool WalkMonstersOnly(int steps);

}  // namespace rig
