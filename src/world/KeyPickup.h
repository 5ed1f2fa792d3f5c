#pragma once

#include "level/ObjectList.h"

// Takes the first key whose box overlaps the given one out of play and returns its index, or -1.
int takeKeyAt(ObjectList& list, int x, int y, int w, int h);
