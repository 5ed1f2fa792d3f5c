#include "pictures/Lettering.h"
#include "pictures/PictureSet.h"
#include "pictures/Strokes.h"

// The door hints: a speech bubble drawn with its corner 200 px left of and 250 px above
// the player's box, so its tail points at the player's head.
namespace {

using namespace strokes;

Canvas bubble(const std::string& line, std::uint32_t seed) {
    constexpr int kW = 300, kH = 250;
    Canvas c(kW, kH);
    Path outline;
    const Path topArc = curve({20, 80}, {150, -40}, {280, 80}, 24);
    const Path bottomRight = curve({280, 80}, {292, 150}, {236, 156}, 10);
    const Path bottomLeft = curve({196, 160}, {40, 175}, {20, 80}, 14);
    outline.insert(outline.end(), topArc.begin(), topArc.end());
    outline.insert(outline.end(), bottomRight.begin() + 1, bottomRight.end());
    outline.push_back({219, 238});  // the tail's tip, just above the player's head
    outline.insert(outline.end(), bottomLeft.begin(), bottomLeft.end() - 1);
    Mask fill(kW, kH);
    fill.fill(outline);
    c.paint(fill, kPaper.withAlpha(0.95f));
    pencil(c, closed(outline), 2.6f, kGraphite, seed);
    // A key cap round the word Space.
    const Lettering& font = handLettering();
    const float capW = font.width("Space", 34) + 26;
    const Path cap{{150 - capW / 2, 34}, {150 + capW / 2, 33}, {150 + capW / 2 + 2, 82}, {150 - capW / 2 - 1, 83}};
    Mask capFill(kW, kH);
    capFill.fill(cap);
    c.paint(capFill, {225, 225, 232, 1});
    Path capRing = cap;
    capRing.push_back(cap.front());
    ink(c, capRing, 2.2f, seed + 1);
    Mask words(kW, kH);
    font.writeCentred(words, "Space", {150, 58}, 34);
    font.writeCentred(words, line, {150, 116}, 25);
    c.paint(words, kInk);
    return c;
}

}  // namespace

void addHintBubbles(PictureSet& set) {
    add(set, "help_open.png", bubble("opens the door", 500));
    add(set, "help_close.png", bubble("closes the door", 520));
}
