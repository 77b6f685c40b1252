// Takes the README's screenshots: every screen of the game in a real window,
// driven by the test bot's hands on a scripted clock. Writes PNGs into the
// folder given as the argument. Run under a display (tools/docshots.sh).
#include <cstdio>
#include <string>

#include "Bot.h"
#include "BotInput.h"
#include "VXFrameRateController.h"
#include "VXGraphics.h"
#include "VXInput.h"
#include "VXSystem.h"
#include "entities/Tower.h"
#include "level/TowerManager.h"
#include "shell/GameStateManager.h"

namespace {
std::string sOutDir;
std::string sCapture;  // the file the next drawn frame goes to
bool sDrawing = true;

// The frame loop's pass, with the frame written out before it is shown, or
// without drawing while the bot plays ahead.
void RunFrame() {
  GameStateManager& gsm = GameStateManager::GetInstance();
  VXSysFrameStart();
  VXInputUpdate();
  if (sDrawing || gsm.nextState != gsm.currentState || !gsm.currentLevel) {
    gsm.Update();
  } else {
    gsm.currentLevel->Update();
  }
  if (!sCapture.empty()) {
    if (!VXGfxSaveFramePNG(sCapture.c_str())) std::printf("could not write %s\n", sCapture.c_str());
    sCapture.clear();
  }
  VXSysFrameEnd();
}

void Shot(const char* name) {
  sDrawing = true;
  sCapture = sOutDir + "/" + name + ".png";
  BotFrame();
  std::printf("%s\n", name);
}

void Visit(int state, int frames, int cursorX, int cursorY, const char* name) {
  GameStateManager::GetInstance().nextState = state;
  BotPointAt(cursorX, cursorY);
  BotFrames(frames);
  Shot(name);
}

void PlayFor(Bot& bot, double seconds) {
  sDrawing = false;
  bot.Play(seconds);
  sDrawing = true;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: orvane_docshots OUT_DIR\n");
    return 2;
  }
  sOutDir = argv[1];
  VXSysInit(nullptr, 1, 960, 720, 0, 60, nullptr);
  VXSysSetWindowTitle("Orvane");
  VXSysReset();
  VXGfxSetBackgroundColor(0.0f, 0.0f, 0.0f);
  VXInputSetScripted(true);
  VXClockUseScripted(600000, 0);
  BotSetFrameRunner(RunFrame);

  // The splashes at full opacity, then each menu screen with a button lit.
  Visit(STATE_LOGO, 240, 480, 360, "01-logo");
  Visit(STATE_TEAMNAME, 70, 480, 360, "02-team");
  Visit(STATE_MAINMENU, 3, 450, 297, "03-main-menu");
  Visit(STATE_MAPSELECT, 3, 350, 400, "04-map-select");
  Visit(STATE_OPTIONS, 3, 630, 360, "05-options");
  Visit(STATE_HELP, 3, 830, 600, "06-help");
  Visit(STATE_HELP2, 3, 480, 360, "07-help-objective");
  Visit(STATE_CREDITS, 3, 480, 360, "08-credits");

  // A level: the tutorial at its start, then the bot's defence in full swing.
  BotEnterLevelFromMenu(0);
  Bot bot(BotStyle{10, true});
  PlayFor(bot, 5.0);
  Shot("09-level-start");
  PlayFor(bot, 70.0);
  Shot("10-level-wave");
  TowerManager& tm = TowerManager::GetInstance();
  for (Tower* t : tm.towers) {
    if (t->dead) continue;
    int column = t->cell % 22, row = t->cell / 22;
    BotShowColumnsUpTo(column);
    BotClickInLevel(BotColumnX(column), BotRowY(row));
    BotFrames(40);  // the markers grow in half a second
    Shot("11-tower-selected");
    break;
  }
  BotPressInLevel(VX_KEY_ESCAPE);
  BotPointAt(480, 320);
  BotFrames(2);
  Shot("12-paused");

  Visit(STATE_WIN, 3, 480, 320, "13-victory");
  Visit(STATE_LOSE, 3, 480, 400, "14-defeat");
  BotQuitGame();
  VXSysExit();
  return 0;
}
