// The floor program beside the level frame benchmark: started once, handed
// each scene as the quads the renderer drew in one frame, and asked to draw
// it for as many frames as the level just did.
#pragma once
#include <string>

// Starts the floor program; false when it could not be started.
bool FloorStart();
// Records the frames the level draws next (FloorCaptureFrame after each)
// and hands them to the floor as its scene, which it then draws in turn.
void FloorCaptureBegin(int width, int height);
void FloorCaptureFrame();
bool FloorCaptureEnd();
// The floor's median frame and CPU time per frame over a number of frames
// (ms), and what it drew: draw calls, quads and screens of pixels.
bool FloorRun(int frames, double* medianMs, double* cpuMs, std::string* work);
void FloorStop();
