#include "app/screens/LeaveQuestion.h"

#include "app/screens/MenuLayout.h"
#include "app/screens/ScreenStack.h"

LeaveQuestion::LeaveQuestion()
    : Question(kState),
      mainMenu(menuButton(menuLayout::mainMenu)),
      desktop(menuButton(menuLayout::desktop)),
      back(menuButton(menuLayout::back)) {
    setButtons({&mainMenu, &desktop, &back}, &back);
}

void LeaveQuestion::answer(GameWindow& window, ScreenStack& stack) {
    if (mainMenu.takeClick()) stack.restart(GameState::MainMenu);
    if (desktop.takeClick()) window.close();
    if (back.takeClick()) stack.close();
}
