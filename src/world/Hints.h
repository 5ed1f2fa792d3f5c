#pragma once

#include "level/LevelObject.h"
#include "platform/GameWindow.h"

// The "open" and "close" door bubbles shown over the player when Space would act.
void loadHintImages();
void updateHints(ObjectList& list, int x, int y, int w, int h, int carriedKey, bool onGround, int bx, int by, int bw,
                 int bh);
void drawHints(GameWindow& window, float playerX, float playerY);
