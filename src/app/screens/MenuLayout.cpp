#include "app/screens/MenuLayout.h"

#include <string>

namespace {
constexpr float kTrackLength = 330;

std::string inMenuFolder(const char* file) { return std::string("Content\\Menu\\") + file; }
}  // namespace

MenuButton menuButton(const ButtonPlace& place) {
    return MenuButton(inMenuFolder(place.picture), inMenuFolder(place.hover), place.x, place.y, place.hitWidth,
                      place.hitHeight, place.hoverX, place.hoverY, 6, false, true);
}

MenuScroll menuSlider(const ButtonPlace& place) {
    return MenuScroll(kTrackLength, inMenuFolder(place.picture), inMenuFolder(place.hover), place.x, place.y,
                      place.hitWidth, place.hitHeight, place.hoverX, place.hoverY, 1);
}
