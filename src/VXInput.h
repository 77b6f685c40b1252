// Vexor Engine: keyboard, mouse buttons and cursor, sampled once per frame.
#pragma once

// Virtual-key codes the game uses (the classic desktop numbering).
#define VX_KEY_LBUTTON 0x01
#define VX_KEY_RBUTTON 0x02
#define VX_KEY_MBUTTON 0x04
#define VX_KEY_BACK 0x08
#define VX_KEY_TAB 0x09
#define VX_KEY_RETURN 0x0D
#define VX_KEY_SHIFT 0x10
#define VX_KEY_CONTROL 0x11
#define VX_KEY_MENU 0x12
#define VX_KEY_ESCAPE 0x1B
#define VX_KEY_SPACE 0x20
#define VX_KEY_LEFT 0x25
#define VX_KEY_UP 0x26
#define VX_KEY_RIGHT 0x27
#define VX_KEY_DOWN 0x28
#define VX_KEY_0 0x30  // through 0x39
#define VX_KEY_A 0x41  // through 0x5A
#define VX_KEY_B 0x42

extern unsigned char gVXInputKeyCurr[256];  // bit 0x80: down this frame
extern unsigned char gVXInputKeyPrev[256];
extern int gVXInputMouseX, gVXInputMouseY;    // client pixels of the real window
extern int gVXInputMouseDX, gVXInputMouseDY;  // change since the last sample

// ---- Sampling ----
int VXInputInit(void);
void VXInputReset(void);
void VXInputUpdate(void);
void VXInputExit(void);

// ---- Queries ----
bool VXInputCheckCurr(unsigned char key);
bool VXInputCheckPrev(unsigned char key);
bool VXInputCheckTriggered(unsigned char key);
bool VXInputCheckReleased(unsigned char key);
void VXInputGetCursorPosition(int* pX, int* pY);  // logical pixels (divided by the screen scale)
// The middle of the cursor's pixel in logical units: on a scaled screen it
// says which side of a logical pixel's edge the cursor's pixel is drawn on.
void VXInputGetCursorPoint(float* pX, float* pY);
void VXInputGetCursorPositionDelta(int* pDX, int* pDY);
int VXInputShowCursor(int show);

// ---- Scripted input (tests, bots) ----
// While scripted, VXInputUpdate samples these values instead of the platform.
void VXInputSetScripted(bool scripted);
void VXInputScriptKey(unsigned char key, bool down);
void VXInputScriptCursor(int x, int y);  // client pixels
void VXInputScriptClear(void);
