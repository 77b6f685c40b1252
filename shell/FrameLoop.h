// One pass of the game's frame loop, shared by the program and by tests that
// play the game in-process with scripted input and a scripted clock.
#pragma once

// True once the quit state has been asked for and carried out.
bool FrameLoopShouldQuit();

// Frame start, input sample, state switch, the screen's Update and Draw, frame end.
void FrameLoopRunFrame();
