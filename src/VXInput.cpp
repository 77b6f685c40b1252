// Vexor Engine: keyboard, mouse buttons and cursor, sampled once per frame from
// SDL (or from the scripted state) into a table in virtual-key numbering.
#include "VXInput.h"

#include <SDL.h>

#include <climits>
#include <cstring>

#include "VXInputInternal.h"
#include "VXSystem.h"

unsigned char gVXInputKeyCurr[256];
unsigned char gVXInputKeyPrev[256];
int gVXInputMouseX = 0, gVXInputMouseY = 0;
int gVXInputMouseDX = 0, gVXInputMouseDY = 0;

static bool sScripted = false;
static unsigned char sScriptKeys[256];
static int sScriptX = 0, sScriptY = 0;
static int sCursorCounter = 0;                  // visible while >= 0, like the desktop's display counter
static unsigned char sPressedSinceSample[256];  // went down since the last sample

static const unsigned char kDown = 0x80;

// Virtual-key code of a key that is neither a letter nor a digit; 0 = none.
static unsigned char VirtualKeyFromScancode(SDL_Scancode sc) {
  if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return static_cast<unsigned char>(0x70 + (sc - SDL_SCANCODE_F1));
  if (sc >= SDL_SCANCODE_F13 && sc <= SDL_SCANCODE_F24)
    return static_cast<unsigned char>(0x7C + (sc - SDL_SCANCODE_F13));
  if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9)
    return static_cast<unsigned char>(0x61 + (sc - SDL_SCANCODE_KP_1));
  switch (sc) {
    case SDL_SCANCODE_BACKSPACE:
      return 0x08;
    case SDL_SCANCODE_TAB:
      return 0x09;
    case SDL_SCANCODE_CLEAR:
      return 0x0C;
    case SDL_SCANCODE_RETURN:
      return 0x0D;
    case SDL_SCANCODE_KP_ENTER:
      return 0x0D;
    case SDL_SCANCODE_PAUSE:
      return 0x13;
    case SDL_SCANCODE_CAPSLOCK:
      return 0x14;
    case SDL_SCANCODE_ESCAPE:
      return 0x1B;
    case SDL_SCANCODE_SPACE:
      return 0x20;
    case SDL_SCANCODE_PAGEUP:
      return 0x21;
    case SDL_SCANCODE_PAGEDOWN:
      return 0x22;
    case SDL_SCANCODE_END:
      return 0x23;
    case SDL_SCANCODE_HOME:
      return 0x24;
    case SDL_SCANCODE_LEFT:
      return 0x25;
    case SDL_SCANCODE_UP:
      return 0x26;
    case SDL_SCANCODE_RIGHT:
      return 0x27;
    case SDL_SCANCODE_DOWN:
      return 0x28;
    case SDL_SCANCODE_PRINTSCREEN:
      return 0x2C;
    case SDL_SCANCODE_INSERT:
      return 0x2D;
    case SDL_SCANCODE_DELETE:
      return 0x2E;
    case SDL_SCANCODE_LGUI:
      return 0x5B;
    case SDL_SCANCODE_RGUI:
      return 0x5C;
    case SDL_SCANCODE_APPLICATION:
      return 0x5D;
    case SDL_SCANCODE_KP_0:
      return 0x60;
    case SDL_SCANCODE_KP_MULTIPLY:
      return 0x6A;
    case SDL_SCANCODE_KP_PLUS:
      return 0x6B;
    case SDL_SCANCODE_KP_MINUS:
      return 0x6D;
    case SDL_SCANCODE_KP_PERIOD:
      return 0x6E;
    case SDL_SCANCODE_KP_DIVIDE:
      return 0x6F;
    case SDL_SCANCODE_NUMLOCKCLEAR:
      return 0x90;
    case SDL_SCANCODE_SCROLLLOCK:
      return 0x91;
    case SDL_SCANCODE_LSHIFT:
      return 0xA0;
    case SDL_SCANCODE_RSHIFT:
      return 0xA1;
    case SDL_SCANCODE_LCTRL:
      return 0xA2;
    case SDL_SCANCODE_RCTRL:
      return 0xA3;
    case SDL_SCANCODE_LALT:
      return 0xA4;
    case SDL_SCANCODE_RALT:
      return 0xA5;
    case SDL_SCANCODE_SEMICOLON:
      return 0xBA;
    case SDL_SCANCODE_EQUALS:
      return 0xBB;
    case SDL_SCANCODE_COMMA:
      return 0xBC;
    case SDL_SCANCODE_MINUS:
      return 0xBD;
    case SDL_SCANCODE_PERIOD:
      return 0xBE;
    case SDL_SCANCODE_SLASH:
      return 0xBF;
    case SDL_SCANCODE_GRAVE:
      return 0xC0;
    case SDL_SCANCODE_LEFTBRACKET:
      return 0xDB;
    case SDL_SCANCODE_BACKSLASH:
      return 0xDC;
    case SDL_SCANCODE_RIGHTBRACKET:
      return 0xDD;
    case SDL_SCANCODE_APOSTROPHE:
      return 0xDE;
    default:
      return 0;
  }
}

// Letters and digits follow the keyboard layout, as their virtual keys do.
// Where the layout gives no Latin letter or digit (Cyrillic, Greek), the
// key's place on the keyboard decides, so B still builds.
static unsigned char VirtualKey(SDL_Scancode sc) {
  SDL_Keycode k = SDL_GetKeyFromScancode(sc);
  if (k >= SDLK_a && k <= SDLK_z) return static_cast<unsigned char>('A' + (k - SDLK_a));
  if (k >= SDLK_0 && k <= SDLK_9) return static_cast<unsigned char>('0' + (k - SDLK_0));
  if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return static_cast<unsigned char>('A' + (sc - SDL_SCANCODE_A));
  if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return static_cast<unsigned char>('1' + (sc - SDL_SCANCODE_1));
  if (sc == SDL_SCANCODE_0) return '0';
  return VirtualKeyFromScancode(sc);
}

static void SamplePlatform(int* pX, int* pY) {
  memset(gVXInputKeyCurr, 0, sizeof(gVXInputKeyCurr));
  SDL_Window* window = static_cast<SDL_Window*>(VXSysGetWindowHandle());
  if (!window) {
    *pX = gVXInputMouseX;
    *pY = gVXInputMouseY;
    return;
  }
  int count = 0;
  const Uint8* keys = SDL_GetKeyboardState(&count);
  for (int sc = 0; sc < count; ++sc) {
    if (!keys[sc]) continue;
    unsigned char vk = VirtualKey(static_cast<SDL_Scancode>(sc));
    if (vk) gVXInputKeyCurr[vk] = kDown;
  }
  // The generic modifier codes are down when either side is.
  if (gVXInputKeyCurr[0xA0] | gVXInputKeyCurr[0xA1]) gVXInputKeyCurr[VX_KEY_SHIFT] = kDown;
  if (gVXInputKeyCurr[0xA2] | gVXInputKeyCurr[0xA3]) gVXInputKeyCurr[VX_KEY_CONTROL] = kDown;
  if (gVXInputKeyCurr[0xA4] | gVXInputKeyCurr[0xA5]) gVXInputKeyCurr[VX_KEY_MENU] = kDown;

  Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
  if (buttons & SDL_BUTTON(SDL_BUTTON_LEFT)) gVXInputKeyCurr[VX_KEY_LBUTTON] = kDown;
  if (buttons & SDL_BUTTON(SDL_BUTTON_RIGHT)) gVXInputKeyCurr[VX_KEY_RBUTTON] = kDown;
  if (buttons & SDL_BUTTON(SDL_BUTTON_MIDDLE)) gVXInputKeyCurr[VX_KEY_MBUTTON] = kDown;
  if (buttons & SDL_BUTTON(SDL_BUTTON_X1)) gVXInputKeyCurr[0x05] = kDown;
  if (buttons & SDL_BUTTON(SDL_BUTTON_X2)) gVXInputKeyCurr[0x06] = kDown;
  for (int vk = 0; vk < 256; ++vk) gVXInputKeyCurr[vk] |= sPressedSinceSample[vk];
  memset(sPressedSinceSample, 0, sizeof(sPressedSinceSample));

  if (SDL_GetMouseFocus() == window) {
    SDL_GetMouseState(pX, pY);
    return;
  }
  // Outside the window: the global position, negative or past the edges.
  int gx = 0, gy = 0, wx = 0, wy = 0;
  SDL_GetGlobalMouseState(&gx, &gy);
  SDL_GetWindowPosition(window, &wx, &wy);
  *pX = gx - wx;
  *pY = gy - wy;
}

// The virtual key of a mouse button; 0 = none.
static unsigned char VirtualButton(int button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return VX_KEY_LBUTTON;
    case SDL_BUTTON_RIGHT:
      return VX_KEY_RBUTTON;
    case SDL_BUTTON_MIDDLE:
      return VX_KEY_MBUTTON;
    case SDL_BUTTON_X1:
      return 0x05;
    case SDL_BUTTON_X2:
      return 0x06;
    default:
      return 0;
  }
}

void VXInputNoteKeyDown(int scancode) {
  if (scancode <= SDL_SCANCODE_UNKNOWN || scancode >= SDL_NUM_SCANCODES) return;
  unsigned char vk = VirtualKey(static_cast<SDL_Scancode>(scancode));
  if (vk) sPressedSinceSample[vk] = kDown;
}

void VXInputNoteButtonDown(int button) {
  unsigned char vk = VirtualButton(button);
  if (vk) sPressedSinceSample[vk] = kDown;
}

int VXInputInit(void) {
  return 1;
}

void VXInputReset(void) {
  memset(gVXInputKeyCurr, 0, sizeof(gVXInputKeyCurr));
  memset(sPressedSinceSample, 0, sizeof(sPressedSinceSample));
  memset(gVXInputKeyPrev, 0, sizeof(gVXInputKeyPrev));
  gVXInputMouseX = gVXInputMouseY = 0;
  gVXInputMouseDX = gVXInputMouseDY = 0;
}

void VXInputUpdate(void) {
  memcpy(gVXInputKeyPrev, gVXInputKeyCurr, sizeof(gVXInputKeyCurr));
  int x = 0, y = 0;
  if (sScripted || VXSysIsHeadless()) {
    memcpy(gVXInputKeyCurr, sScriptKeys, sizeof(gVXInputKeyCurr));
    x = sScriptX;
    y = sScriptY;
  } else {
    SamplePlatform(&x, &y);
  }
  gVXInputMouseDX = x - gVXInputMouseX;
  gVXInputMouseDY = y - gVXInputMouseY;
  gVXInputMouseX = x;
  gVXInputMouseY = y;
}

void VXInputExit(void) {}

bool VXInputCheckCurr(unsigned char key) {
  return (gVXInputKeyCurr[key] & kDown) != 0;
}
bool VXInputCheckPrev(unsigned char key) {
  return (gVXInputKeyPrev[key] & kDown) != 0;
}
bool VXInputCheckTriggered(unsigned char key) {
  return VXInputCheckCurr(key) && !VXInputCheckPrev(key);
}
bool VXInputCheckReleased(unsigned char key) {
  return !VXInputCheckCurr(key) && VXInputCheckPrev(key);
}

void VXInputGetCursorPosition(int* pX, int* pY) {
  // Single-precision division, truncated toward zero.
  if (pX) *pX = static_cast<int>(static_cast<float>(gVXInputMouseX) / gVXScreenScaleX);
  if (pY) *pY = static_cast<int>(static_cast<float>(gVXInputMouseY) / gVXScreenScaleY);
}

void VXInputGetCursorPoint(float* pX, float* pY) {
  if (pX) *pX = (static_cast<float>(gVXInputMouseX) + 0.5f) / gVXScreenScaleX;
  if (pY) *pY = (static_cast<float>(gVXInputMouseY) + 0.5f) / gVXScreenScaleY;
}

void VXInputGetCursorPositionDelta(int* pDX, int* pDY) {
  if (pDX) *pDX = static_cast<int>(static_cast<float>(gVXInputMouseDX) / gVXScreenScaleX);
  if (pDY) *pDY = static_cast<int>(static_cast<float>(gVXInputMouseDY) / gVXScreenScaleY);
}

int VXInputShowCursor(int show) {
  bool wasVisible = sCursorCounter >= 0;
  // The game shows the cursor every frame; saturate rather than overflow.
  if (show) {
    if (sCursorCounter < INT_MAX) ++sCursorCounter;
  } else if (sCursorCounter > INT_MIN) {
    --sCursorCounter;
  }
  bool visible = sCursorCounter >= 0;
  if (visible != wasVisible && VXSysGetWindowHandle()) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
  return sCursorCounter;
}

void VXInputSetScripted(bool scripted) {
  sScripted = scripted;
}

void VXInputScriptKey(unsigned char key, bool down) {
  sScriptKeys[key] = down ? kDown : 0;
}

void VXInputScriptCursor(int x, int y) {
  sScriptX = x;
  sScriptY = y;
}

void VXInputScriptClear(void) {
  memset(sScriptKeys, 0, sizeof(sScriptKeys));
  sScriptX = sScriptY = 0;
}
