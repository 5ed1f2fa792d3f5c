#pragma once

#include <cstddef>
#include <cstdint>

// Readers of outside data, each fed one input. Shared by the libFuzzer harnesses and by the
// test that replays their corpora.
int fuzzConfig(const std::uint8_t* data, std::size_t size);
int fuzzInputScript(const std::uint8_t* data, std::size_t size);
int fuzzImage(const std::uint8_t* data, std::size_t size);
