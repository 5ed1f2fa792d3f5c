#include <gtest/gtest.h>

#include "boomerang/EraserSounds.h"
#include "terrain/TerrainTestSupport.h"

TEST(EraserSounds, AKeyOrArrowSoundsEachTimeAndRubbingRunsOnlyWhileItsMaterialIsRubbedOut) {
    FakeSoundBank sounds;
    FakeVoice& pencil = sounds.effect("sudd_bly.wav");
    FakeVoice& ink = sounds.effect("sudd_ink.wav");
    ink.state = VoiceStatus::Playing;
    playEraserSounds({.arrowsSetOff = 1, .pencilRubbedOut = true}, sounds);
    EXPECT_EQ(sounds.effect("activate_arrow.wav").starts, 1);
    EXPECT_TRUE(pencil.playing());
    EXPECT_EQ(ink.state, VoiceStatus::Paused);
    playEraserSounds({.struck = true, .keysBroken = 1, .inkRubbedOut = true}, sounds);
    EXPECT_EQ(sounds.effect("break_key.wav").starts, 1);
    EXPECT_EQ(pencil.state, VoiceStatus::Paused);
    EXPECT_TRUE(ink.playing());
}
