// The interface tiles: header strip, build bar with its tower buttons, the
// placement preview and the selected-tower panel with its level pips, laid
// out every frame around the camera. Slots come from Resources/GUI.txt.
#pragma once
#include <vector>

class GUITile;

class GUIData {
 public:
  static GUIData& GetInstance();

  void CreateTiles();  // level Load
  // Level Initialize. Never keeps a level from starting: a missing file keeps
  // the layout ("File could not be opened."), and the button entries are
  // held, one line each, so that every button shows its tower.
  void LoadLayoutFile();
  // The tower type of the build-bar button under the cursor, or 0.
  int HitTest() const;
  void UpdateLayout();  // every frame
  // Moves the laid-out tiles with a camera set since the last layout pass, so
  // that they keep their place on screen (the pause menu resets the camera).
  void FollowCamera();
  void Release();        // level Unload
  void ResetGeometry();  // level Free

  std::vector<GUITile*> guiTiles;
  GUITile* levelPips[3];
  unsigned tileCount;
  int* layout;
  float originX;
  float originY;
  float cameraX;

 private:
  GUIData();
  ~GUIData();
  void PlacePreview(GUITile* tile);
  bool PlaceSelectionPanel(GUITile* tile);
  bool PlaceButton(GUITile* tile, int value);
  void HoldButtons(const int* lines);
};
