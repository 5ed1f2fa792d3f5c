#pragma once

#include <string>
#include <vector>

#include "BenchLevels.h"

// Milliseconds, summarised.
struct Timings {
    double median = 0, p99 = 0, worst = 0;
    int samples = 0;
};
Timings summarise(std::vector<double> ms);

// Every frame (update and draw in a HeadlessWindow) while the level plays by its script. On a
// shared machine the system may hand the core to another program in the middle of a frame;
// such frames measure the machine, so they are summarised apart. A frame that waits of its own
// accord (the disk, a lock) is not preempted and stays with the others.
struct FrameTimings {
    Timings own, preempted;
};
FrameTimings measureFrames(const BenchLevel& level);
// Restarting the level (reuse of untouched objects) after the boomerang rubbed out terrain:
// the whole change (save file included) and the reload of the objects alone.
struct WarmChanges {
    Timings whole, objects;
};
WarmChanges measureWarmChanges(const BenchLevel& level, int restarts);

// Child modes, run in a fresh process by the parent; each prints its figures on one line.
// The level played by its script `times` over in one game, for a profiler's eyes: frames and
// the mean milliseconds of one.
int childReplays(const BenchLevel& level, int times);
// Start-up: window (the real one when there is a display), Game, first frame; prints "ready".
int childStartup();
// A first load of the level: milliseconds.
int childColdChange(const std::string& level);
// 100 restarts with erasing in between: resident kilobytes after restarts 1, 10, 100 and the peak.
int childRestarts(const BenchLevel& level, int restarts);
// The texture upload after eraser passes against a whole re-upload, in the real window:
// bytes and median milliseconds of each, then the milliseconds of drawing it unchanged.
int childUpload();
// The editor's scene: 500 objects in view at 25 %, an ink stroke painted every frame; the
// median and worst milliseconds of a frame's work (update and draw), in the real window when
// there is a display.
int childEditor();
