#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "input/ControlReader.h"
#include "world/KeyAndDoorAction.h"
#include "TestSupport.h"
#include "audio/FakeAudio.h"
#include "platform/HeadlessWindow.h"
#include "player/LevelBuilder.h"
#include "player/Player.h"

// A player on a hand-built level, driven frame by frame as the world drives it.
class PlayerFixture : public ::testing::Test {
protected:
    static constexpr float kFloorTop = 500;

    void SetUp() override {
        TimeSource::useSimulated(true);
        dir.write("config.ini", kPlayerConfig);
        player = std::make_unique<Player>(sounds);
        window.recordDraws = true;
    }
    void TearDown() override { TimeSource::useSimulated(false); }
    // How many times the voices of these effect files were started.
    int starts(std::initializer_list<const char*> files) const {
        int n = 0;
        for (const char* f : files) n += audio.effect(f).starts;
        return n;
    }

    // A wide ink floor and the player standing on it at x.
    void standOnFloor(float x) {
        addBlock(list, 3, -1000, kFloorTop, 4000, 50);
        player->reset(static_cast<int>(x), static_cast<int>(kFloorTop - player->height), true);
    }
    void frame() {
        player->gravityStep(list);
        const Controls controls = ControlReader().forPlay(window, false, std::nullopt);
        keyAndDoorAction(*player, controls, list, sounds);
        if (player->carriedKey == -1) pickUpKey(*player, list, sounds);
        player->update(window, controls, list);
        window.clear();
        player->draw(window);
        TimeSource::advanceFrame();
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) frame();
    }
    void hold(sf::Keyboard::Key k, bool down = true) { window.scriptedInput().setHeld(k, down); }
    void holdButton(MouseButton b, bool down = true) { window.scriptedInput().setButton(b, down); }
    float bottom() const { return player->y + player->height; }

    TempDir dir;
    FakeSoundBank sounds;
    FakeAudio& audio = sounds.audio;
    HeadlessWindow window;
    ObjectList list;
    std::unique_ptr<Player> player;
};
