#pragma once

#include "levelcheck/CheckedLevel.h"
#include "MapView.h"
#include "levelcheck/PlayerStart.h"
#include "platform/Image.h"

// The colours the map marks things in that the game never shows.
namespace mapcolour {
constexpr Color kGoal{0, 150, 60, 255};
constexpr Color kCameraTrigger{30, 90, 230, 255};
constexpr Color kCheckpoint{235, 130, 0, 255};
constexpr Color kStart{215, 0, 40, 255};
}  // namespace mapcolour

// A whole level drawn into one picture as the game shows it, without the player, over white
// paper; goals and camera triggers outlined and labelled, checkpoints and the start marked.
struct LevelMap {
    static constexpr double kFitWidth = 4096;  // the default map width
    static constexpr double kLargestSide = 16384;
    static constexpr double kLargestArea = 8192.0 * 8192.0;  // pixels, a quarter of a gigabyte
    static constexpr int kMargin = 32;  // map pixels around the level, room for the labels

    Image image;
    MapView view;

    // `scale` 0 fits the map into kFitWidth pixels without enlarging; any scale is lowered
    // when the map would be larger than kLargestSide on a side or hold more than about
    // kLargestArea pixels.
    static LevelMap draw(const CheckedLevel& level, const PlayerStart& start, double scale);
};
