// The heaviest playing scene the rules allow: 50 towers at level 3 near the
// path, half of them upgrading and smoking while the others fire, a full
// wave of 30 monsters walking, and the season sweep running without pause.
#pragma once

// Fills the running level: builds the towers and lets the wave's timer put
// all 30 monsters on the field (update-only frames, nothing drawn).
void HeavySceneBuild();
// Once a frame before the level's Update: keeps the upgrades and the sweep going.
void HeavySceneKeep();
// Counts for the report.
void HeavySceneCount(int* towers, int* monsters, int* bullets, int* smoke);
