#pragma once

#include "app/Game.h"
#include "platform/GameWindow.h"

// One frame as the main loop runs it: events, clear, update, draw, fixed view, present.
void runFrame(GameWindow& window, Game& game);
