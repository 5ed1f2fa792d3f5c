#pragma once

// Process-wide values shared by the world, the camera, the player and the hints.
struct WorldVars {
    float startX = 500, startY = -300;
    float updateLength = 0;
    bool flightLevel = false;
    bool cameraFollow = false;
    float cameraY = 0;
    float flightCameraX = 350;
    bool hintOpen = false, hintClose = false;
};

inline WorldVars worldVars;
