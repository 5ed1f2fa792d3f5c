#pragma once

#include <cstddef>
#include <cstdint>

// Readers of outside data, each fed one input. Shared by the libFuzzer harnesses and by the
// test that replays their corpora.
int fuzzConfig(const std::uint8_t* data, std::size_t size);
int fuzzInputScript(const std::uint8_t* data, std::size_t size);
int fuzzImage(const std::uint8_t* data, std::size_t size);
// The input as a level file: parsed, then loaded into a level's objects, fresh and on a restart.
int fuzzLevelFile(const std::uint8_t* data, std::size_t size);
// The input as "save.save": read into a World, written back, read again, and its level started.
int fuzzSaveFile(const std::uint8_t* data, std::size_t size);
// The input as a level, a stretch of input frames and pictures of the level's own, played
// through the World headless (see PlayTarget.cpp for the layout).
int fuzzPlay(const std::uint8_t* data, std::size_t size);
