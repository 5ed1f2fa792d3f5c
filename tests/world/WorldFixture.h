#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "input/ControlReader.h"
#include "TestSupport.h"
#include "audio/FakeAudio.h"
#include "platform/HeadlessWindow.h"
#include "platform/TimeSource.h"
#include "world/World.h"

// A fresh game folder, simulated time and sounds on fake voices for each test.
class WorldFixture : public ::testing::Test {
protected:
    void SetUp() override {
        TimeSource::useSimulated(true);
        sounds.bank.loadSounds();
    }
    void TearDown() override { TimeSource::useSimulated(false); }

    static Image solid(int w, int h) {
        Image image;
        image.create(static_cast<unsigned>(w), static_cast<unsigned>(h), Color{0, 0, 0, 255});
        return image;
    }
    void picture(const std::string& name, int w, int h) { solid(w, h).saveToFile(name); }
    // The player is a 40 x 80 box that neither falls nor runs, so tests place it at will.
    void config(const std::string& extra = "") {
        dir.write("config.ini",
                  "[Player]\nSizeX=40\nSizeY=80\nGravity=0\nMaxGravity=0\nRunSpeed=0\nFriktion=0\nJumpPower=0\n"
                  "[Plattform]\nSpeedX=2\nSpeedY=2\n" +
                      extra);
    }
    void run(World& world, int frames) {
        for (int i = 0; i < frames; ++i) {
            TimeSource::advanceFrame();
            world.update(window, ControlReader());
        }
    }
    // Writes Level.txt, builds the World and starts it as the play button does.
    World& play(const std::string& level) {
        dir.write("Level.txt", level);
        world = std::make_unique<World>(sounds);
        world->continueLevel();
        return *world;
    }
    // Appends a solid object of the given size straight into a set's main list.
    LevelObject& add(LevelObjectSet& set, int kind, float x, float y, int w, int h) {
        set.addObject(kind, x, y, solid(w, h), static_cast<int>(set.mainList.size()));
        return *set.mainList.back();
    }

    TempDir dir;
    FakeSoundBank sounds;
    FakeAudio& audio = sounds.audio;
    HeadlessWindow window;
    std::unique_ptr<World> world;
};
