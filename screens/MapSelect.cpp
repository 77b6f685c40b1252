// Map selection. The choice stays in mapChoice, so "play again" replays it.
#include "screens/MapSelect.h"

#include <cstring>

#include "data/DataFault.h"
#include "data/MapChoice.h"
#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "screens/ScreenKit.h"
#include "shell/GameStateManager.h"

namespace {
const ScreenBox kFirstMap = {260, 440, 300, 515};
const ScreenBox kSecondMap = {520, 700, 300, 515};
// The fault goes on the sandy strip below the maps and the Back button.
const int kFaultLeft = -460, kFaultTop = -268, kFaultLineHeight = 22, kFaultLineChars = 80, kFaultLines = 3;
}  // namespace

void MapSelect::Load() {
  if (DataFaultText()[0] != '\0') faultFont = VXGfxCreateFont("Courier New", 18, true, false);
}

const char* MapSelect::ShownFault() const {
  return faultFont ? DataFaultText() : "";
}

void MapSelect::Unload() {
  if (faultFont) VXGfxDestroyFont(faultFont);
  faultFont = 0;
}

void MapSelect::Update() {
  int x = 0, y = 0;
  ScreenBeginUpdate(true, &x, &y);
  if (!ScreenClicked()) return;
  GameStateManager& states = GameStateManager::GetInstance();
  if (ScreenBoxHolds(kScreenMenuBack.box, x, y)) {
    states.nextState = STATE_MAINMENU;
  } else if (ScreenBoxHolds(kFirstMap, x, y)) {
    mapChoice = 0;
    states.nextState = STATE_LEVEL;
  } else if (ScreenBoxHolds(kSecondMap, x, y)) {
    mapChoice = 1;
    states.nextState = STATE_LEVEL;
  }
}

void MapSelect::Draw() {
  int x = 0, y = 0;
  ResourceManager* res = ScreenBeginDraw(&x, &y);
  ScreenDrawElement(res->GetBackground(BG_MENU), res->GetMesh(MESH_MENU), 0, 0);
  ScreenDrawElement(res->GetTitle(TITLE_MAPSELECT), res->GetMesh(MESH_TITLE), 0, 200);
  ScreenDrawButton(res->GetMiscTexture(MISC_NORMAL_MAP), res->GetMiscTexture(MISC_NORMAL_MAP_HOVER),
                   res->GetMesh(MESH_MAP_SELECTION), -130, -50, kFirstMap, x, y, false);
  ScreenDrawButton(res->GetMiscTexture(MISC_EXTREME_MAP), res->GetMiscTexture(MISC_EXTREME_MAP_HOVER),
                   res->GetMesh(MESH_MAP_SELECTION), 130, -50, kSecondMap, x, y, false);
  ScreenDrawBack(res, kScreenMenuBack, x, y);
  if (faultFont) DrawFault();
}

// Light letters over their dark shadow read on the grass and on the sand alike.
static void PrintOnAnyGround(int font, const char* text, int x, int y) {
  VXGfxPrint(font, text, x + 2, y - 2, 0.1f, 0.05f, 0.0f);
  VXGfxPrint(font, text, x, y, 1.0f, 0.93f, 0.75f);
}

// A heading, then the fault's line broken at spaces into short lines.
void MapSelect::DrawFault() {
  VXGfxSetRenderMode(VX_RENDER_COLOR);
  VXGfxTextureSet(nullptr, 0.0f, 0.0f);
  int y = kFaultTop;
  PrintOnAnyGround(faultFont, "This level cannot start:", kFaultLeft, y);
  const char* rest = DataFaultText();
  for (int line = 0; line < kFaultLines && *rest; ++line) {
    size_t length = std::strlen(rest);
    if (length > kFaultLineChars) {
      length = kFaultLineChars;
      while (length > 0 && rest[length] != ' ') --length;
      if (length == 0) length = kFaultLineChars;  // one word longer than a line
    }
    char text[kFaultLineChars + 1];
    std::memcpy(text, rest, length);
    text[length] = '\0';
    y -= kFaultLineHeight;
    PrintOnAnyGround(faultFont, text, kFaultLeft, y);
    rest += length;
    while (*rest == ' ') ++rest;
  }
}

// Leaving stops the menu music either way; the main menu starts it again.
// The fault was about the last try: a new one finds its own.
void MapSelect::Free() {
  DataFaultClear();
  SoundManager::GetInstance()->Stop();
  ScreenPlaySound(SOUND_BUTTON_CLICK);
}
