#include "app/screens/QuitQuestion.h"

#include "app/screens/MenuLayout.h"
#include "app/screens/ScreenStack.h"

QuitQuestion::QuitQuestion()
    : Question(kState), yes(menuButton(menuLayout::quitYes)), no(menuButton(menuLayout::quitNo)) {
    setButtons({&yes, &no}, &no);
}

void QuitQuestion::answer(GameWindow& window, ScreenStack& stack) {
    if (yes.clicked) window.close();
    if (no.takeClick()) stack.close();
}
