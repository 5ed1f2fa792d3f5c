#pragma once

// Pictures are decoded into blocks of several megabytes and mostly freed soon after (a
// character sheet's decode is compacted into far less). The C library would otherwise raise
// its threshold for giving blocks their own mapping to the largest block freed, so every
// later picture lands in the heap and what is freed there stays resident. Called once,
// first thing in a program that plays.
void returnLargeBlocksToTheSystem();
