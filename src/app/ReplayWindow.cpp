#include "app/ReplayWindow.h"

#include "platform/TimeSource.h"

float ReplayWindow::frameSeconds() const { return static_cast<float>(TimeSource::kFrameSeconds); }

// The window's own events still count for closing it; its keys and pointer do not.
void ReplayWindow::processEvents() {
    shown_.processEvents();
    input_ = script_.at(frame_++);
    noteInput();
}
