#pragma once

// Door reach, eraser ring and arrow values, read from "config.ini" when the World is built.
struct TerrainSettings {
    int openDoorValue = 50;
    int closeDoorValue = 15;
    int radius2 = 3;
    int arrowSpeed = 2;
    int arrowRadius = 20;
};

inline TerrainSettings terrainSettings;

// `Collision` keys and `Arrow` `Speed`, then `Arrow` `Radius`, as two loaders.
void loadCollisionSettings();
void loadArrowRadius();
