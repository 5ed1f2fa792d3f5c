#include "app/Game.h"

Game::Game() {}

void Game::update(GameWindow&) {}

void Game::draw(GameWindow&) {}
