#include <algorithm>

#include "world/World.h"
#include "world/WorldVars.h"

void World::applyCameraView(GameWindow& window) {
    WorldVars& v = worldVars;
    if (v.flightLevel) {
        // The flight scrolls on whatever the ball does.
        v.cameraY = std::clamp(scarfBall.y, 0.0f, 768.0f);
        view.setCenter(v.flightCameraX, v.cameraY);
        v.flightCameraX += 5;
    } else if (v.cameraFollow) {
        const float d = v.cameraY - player.y;
        if (d > -15 && d < 15) v.cameraY = player.y;
        else v.cameraY += player.y < v.cameraY ? -4.0f : 4.0f;
        view.setCenter(static_cast<float>(static_cast<int>(player.x)), v.cameraY);
    } else {
        const int cx = std::max(static_cast<int>(player.x), 512);
        const int cy = std::min(static_cast<int>(player.y), 384);
        view.setCenter(static_cast<float>(cx), static_cast<float>(cy));
    }
    window.setView(view);
}
