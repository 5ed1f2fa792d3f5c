#pragma once

#include <string>

// Registers the query, eraser and mask benchmarks over the objects of `levelName`.
void registerTerrainBenchmarks(const std::string& levelName);
