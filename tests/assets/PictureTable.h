// The 124 pictures the game loads, with the size of the mesh each is drawn on.
#pragma once
#include <string>
#include <vector>

struct PictureEntry {
  std::string path;  // under Resources/
  int meshW, meshH;
  bool sprite;  // small field sprite: drawn at twice its mesh size or more
};

inline std::vector<PictureEntry> AllPictures() {
  std::vector<PictureEntry> out;
  auto add = [&](const std::string& path, int w, int h, bool sprite = false) { out.push_back({path, w, h, sprite}); };
  for (const char* n : {"MenuBG", "WinBG", "LoseBG", "CreditsBG", "PauseBG", "SpringBG", "SummerBG", "AutumnBG",
                        "WinterBG", "HelpControls", "HelpObjective", "WarningBG", "TeamBG"}) {
    add(std::string("Background/") + n + ".png", 960, 720);
  }
  for (const char* n : {"Orvane", "Victory", "Defeat", "Paused", "Options", "Help", "MapSelect"}) {
    add(std::string("Title/") + n + ".png", 500, 200);
  }
  auto button = [&](const char* n, int w, bool hover) {
    add(std::string("Button/") + n + ".png", w, 60);
    if (hover) add(std::string("Button/") + n + "Hover.png", w, 60);
  };
  for (const char* n : {"NewGame", "Help", "Options", "Credits", "Exit"}) button(n, 250, true);
  for (const char* n : {"On", "Off", "Yes", "No"}) button(n, 100, true);
  for (const char* n : {"Back", "Next"}) button(n, 120, true);
  for (const char* n : {"PlayAgain", "TryAgain", "MapSelect", "ReturnToMenu", "Resume", "QuitGame", "HowToPlay"}) {
    button(n, 400, true);
  }
  for (const char* n : {"FullScreen", "Sound", "AreYouSure"}) button(n, 400, false);
  add("Map/Tile.jpg", 60, 60, true);
  for (const char* s : {"Spring", "Summer", "Autumn", "Winter"}) {
    add(std::string("Map/") + s + "Grass.png", 60, 60, true);
    add(std::string("Map/") + s + "Rock.png", 60, 60, true);
    for (const char* level : {"", "2", "3"}) add(std::string("Tower/") + s + "Tower" + level + ".png", 60, 60, true);
  }
  for (const char* n :
       {"Bee", "Butterfly", "Camel", "Cow", "Ice", "Penguin", "Seal", "Squirrel", "Tea", "Woodpecker"}) {
    add(std::string("Monster/") + n + ".png", 40, 40, true);
    add(std::string("Monster/") + n + "Half.png", 40, 40, true);
  }
  for (const char* n : {"Flower", "Sunbeam", "Gust", "Snowball"})
    add(std::string("Bullet/") + n + ".png", 20, 20, true);
  add("GUI/BottomGUI.png", 1920, 120);
  add("GUI/HeaderGUI.png", 1920, 60);
  // Health bars are stretched to 40 x 8 and narrower; the smoke grows to 100 units.
  add("Misc/GHP.png", 40, 40);
  add("Misc/RHP.png", 40, 40);
  add("Misc/Smoke.png", 10, 10, true);
  for (const char* n : {"GreenTile", "RedTile", "Upgrade1", "Upgrade2", "Sell1", "Sell2", "Sell3", "Warning"}) {
    add(std::string("Misc/") + n + ".png", 60, 60, true);
  }
  add("Misc/Logo.png", 610, 178);
  add("Misc/PauseHelp.png", 960, 720);
  add("Misc/Tutorial.png", 960, 720);
  for (const char* n : {"NormalMap", "NormalMapHover", "ExtremeMap", "ExtremeMapHover"}) {
    add(std::string("Misc/") + n + ".png", 230, 230);
  }
  return out;
}
