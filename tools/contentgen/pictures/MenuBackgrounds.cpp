#include "pictures/Figure.h"
#include "pictures/Lettering.h"
#include "pictures/PictureSet.h"
#include "pictures/Scenery.h"
#include "pictures/Strokes.h"

// The screens behind the buttons, laid out for the 1024 x 768 menu space.
namespace {

using namespace strokes;

constexpr int kW = 1024, kH = 768;

void letter(Canvas& c, const std::string& text, Vec2 centre, float size, Paint paint = kInk) {
    Mask m(c.width(), c.height());
    handLettering().writeCentred(m, text, centre, size);
    c.paint(m, paint);
}

// Right-aligned so a label ends just before the widget it names.
void label(Canvas& c, const std::string& text, float right, float centreY, float size) {
    Mask m(c.width(), c.height());
    const float w = handLettering().width(text, size);
    handLettering().write(m, text, {right - w, centreY + size * 0.36f}, size);
    c.paint(m, kInk);
}

Pose heroStanding() {
    Pose p;
    p.hip = {99, 51};
    p.nearLeg = {0.1f, 0.0f};
    p.farLeg = {-0.08f, -0.14f};
    p.nearArm = {-0.1f, 0.2f};
    p.farArm = {0.15f, 0.5f};
    p.scarf = {-1.1f, -1.7f, 0.5f, 0.3f};
    groundPose(p);
    return p;
}

Canvas mainMenu() {
    Canvas c = scenery::paper(kW, kH, 1100);
    softSpot(c, {260, 120}, 330, kSkyWash.withAlpha(0.3f));
    scenery::cloud(c, {130, 300}, 170, 1102);
    scenery::cloud(c, {440, 260}, 120, 1103);
    scenery::hill(c, -20, 1044, 600, 70, {150, 190, 120, 0.55f}, 1104);
    scenery::tree(c, {95, 650}, 0.75f, 1105);
    drawFigure(c, heroStanding(), {330, 612}, 2.6f);
    scenery::grassTuft(c, {300, 614}, 60, 30, 1106);
    scenery::grassTuft(c, {470, 600}, 50, 26, 1107);
    scenery::flower(c, {520, 605}, 60, {230, 120, 140, 0.85f}, 1108);
    letter(c, "Torve", {280, 150}, 130);
    pencil(c, curve({130, 220}, {280, 200}, {430, 218}, 20), 3.5f, kScarfRed, 1109);
    pencil(c, {{560, 130}, {566, 470}}, 1.4f, kLightGraphite.withAlpha(0.5f), 1110);
    return c;
}

Canvas ingameMenu() {
    Canvas c = scenery::paper(kW, kH, 1200);
    letter(c, "Paused", {512, 90}, 72);
    pencil(c, curve({400, 128}, {512, 116}, {624, 130}, 16), 2.6f, kScarfRed, 1201);
    scenery::grassTuft(c, {90, 760}, 120, 40, 1202);
    scenery::grassTuft(c, {940, 760}, 110, 36, 1203);
    scenery::fern(c, {980, 762}, 120, 1204);
    return c;
}

Canvas optionsScreen() {
    Canvas c = scenery::paper(kW, kH, 1300);
    letter(c, "Options", {512, 90}, 72);
    pencil(c, curve({390, 128}, {512, 116}, {634, 130}, 16), 2.6f, kScarfRed, 1301);
    // The sliders' bars are centred 33 px below the knob's top (y 210 and 300).
    label(c, "Music", 350, 243, 44);
    label(c, "Sound", 350, 333, 44);
    // The yes and no buttons stand at y 385 and are 70 px tall.
    label(c, "Full screen", 520, 420, 44);
    pencil(c, {{110, 500}, {914, 496}}, 1.4f, kLightGraphite.withAlpha(0.6f), 1302);
    scenery::grassTuft(c, {900, 760}, 120, 40, 1303);
    scenery::flower(c, {960, 762}, 80, {120, 150, 220, 0.85f}, 1304);
    return c;
}

// The level list fills the middle; the back button stands at the foot on the left.
Canvas levelSelect() {
    Canvas c = scenery::paper(kW, kH, 1400);
    letter(c, "Levels", {512, 90}, 72);
    pencil(c, curve({405, 128}, {512, 116}, {619, 130}, 16), 2.6f, kScarfRed, 1401);
    scenery::grassTuft(c, {930, 760}, 110, 36, 1402);
    scenery::fern(c, {985, 762}, 110, 1403);
    return c;
}

}  // namespace

void addMenuBackgrounds(PictureSet& set) {
    add(set, "Content/Menu/menu_background.jpg", mainMenu());
    add(set, "Content/Menu/ingame_background.png", ingameMenu());
    add(set, "Content/Menu/options_bg.png", optionsScreen());
    add(set, "Content/Menu/levels_bg.png", levelSelect());
}
