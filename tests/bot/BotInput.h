// The bot's hands: the headless engine on a scripted clock, and keys, clicks
// and camera moves that reach the game through the same input paths as a
// player's. Every helper runs whole frames of the real frame loop.
#pragma once

// Window pixels of the playing screen.
enum {
  VIEW_COLUMNS = 16,  // grid columns in view at once
  CAMERA_MAX_X = 240,
  BUILD_BAR_Y = 655,
};

// Headless engine, scripted input, a clock that ticks exactly 1/60 s a frame.
void BotStartEngine();

// One frame of the game; counts the frames played.
void BotFrame();
// What BotFrame runs: the frame loop's pass unless a benchmark times it.
void BotSetFrameRunner(void (*runFrame)());
void BotFrames(int count);
long BotFramesPlayed();

// Leaves whatever screen runs for the main menu, then clicks New Game and the
// map's card (0 first, 1 second). True when the level runs.
bool BotEnterLevelFromMenu(int map);
// Asks for the quit state and carries it out: the last screen is freed.
void BotQuitGame();
// True while the level runs and has asked for no other screen.
bool BotInLevel();

// A key up for a frame, then down for a frame (a trigger), then released.
void BotPress(unsigned char key);
void BotClick(int x, int y);
// The same inside the level only: false, with the key left up, once the
// level has asked for another screen (the click would land on that screen).
bool BotPressInLevel(unsigned char key);
bool BotClickInLevel(int x, int y);
// Window pixels are logical (960 x 720): in full screen the cursor goes to the
// screen pixel that shows them.
void BotPointAt(int x, int y);

// Brings grid columns up to `last` into view: the camera at 0 when they fit,
// else at its right stop, where columns 5..20 show.
void BotShowColumnsUpTo(int last);
// Window pixels of a cell's centre under the current view.
int BotColumnX(int column);
int BotRowY(int row);
// A click on a cell no tower can stand beside: closes any tower's menu.
bool BotClickAway();
// The window x of a build-bar button (tower type 1..4).
int BotBuildButtonX(int type);
