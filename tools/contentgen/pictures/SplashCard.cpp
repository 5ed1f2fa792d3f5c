#include "pictures/Figure.h"
#include "pictures/Lettering.h"
#include "pictures/PictureSet.h"
#include "pictures/Scenery.h"
#include "pictures/Strokes.h"

// The card shown at start: the title over a small scene of the hero running into the wind.
void addSplashCard(PictureSet& set) {
    using namespace strokes;
    constexpr int kW = 800, kH = 500;
    Canvas c = scenery::paper(kW, kH, 1400);
    wash(c, {{20, 20}, {780, 20}, {780, 400}, {20, 400}}, kSkyWash.withAlpha(0.4f), 1401);
    scenery::cloud(c, {620, 90}, 180, 1402);
    scenery::cloud(c, {160, 120}, 120, 1403);
    scenery::hill(c, 20, 780, 400, 60, {150, 190, 120, 0.6f}, 1404);
    scenery::tree(c, {650, 420}, 0.6f, 1405);
    Pose run;
    run.hip = {96, 50};
    run.lean = 0.38f;
    run.headTilt = -0.2f;
    run.nearLeg = {0.75f, 0.55f};
    run.farLeg = {-0.55f, -1.5f};
    run.nearArm = {-0.7f, 0.6f};
    run.farArm = {0.9f, 2.1f};
    run.scarf = {-1.35f, -1.9f, 0.7f, 0.2f};
    groundPose(run);
    drawFigure(c, run, {330, 412}, 2.4f);
    for (int i = 0; i < 3; ++i)
        pencil(c, {{120.0f + 20 * i, 300.0f + 28 * i}, {200.0f + 10 * i, 298.0f + 28 * i}}, 2, kGraphite.withAlpha(0.4f), 1406u + i, false);
    scenery::grassTuft(c, {420, 420}, 70, 34, 1410);
    scenery::grassTuft(c, {120, 430}, 60, 30, 1411);
    Mask title(kW, kH);
    handLettering().writeCentred(title, "Torve", {400, 110}, 130);
    c.paint(title, kInk);
    pencil(c, curve({250, 180}, {400, 160}, {550, 178}, 20), 3.5f, kScarfRed, 1412);
    Path frame{{12, 12}, {788, 10}, {789, 489}, {11, 490}, {12, 12}};
    pencil(c, frame, 3, kGraphite, 1413);
    add(set, "MossgroveCardOne.jpg", c);
}
