#include "app/FrameLoop.h"

void runFrame(GameWindow& window, Game& game) {
    window.processEvents();
    window.clear();
    game.update(window);
    game.draw(window);
    window.setView(sf::View(sf::FloatRect(0, 0, 1024, 768)));
    window.display();
}
