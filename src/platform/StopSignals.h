#pragma once

// A logout, Ctrl-C or a closed terminal (SIGTERM, SIGINT, SIGHUP) ends the game as the close
// box does: the frame in hand is finished, every queued write is made, and the program exits
// with 0. A second such signal ends the process at once.
void catchStopSignals();
// One of those signals has arrived.
bool stopAsked();
