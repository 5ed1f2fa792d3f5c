#pragma once

// The game's one random generator: the C runtime's, as every pick is `a + rand() % span`.
void seedRandom(unsigned seed);
int randomInt(int low, int high);
