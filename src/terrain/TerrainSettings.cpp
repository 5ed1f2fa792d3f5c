#include "terrain/TerrainSettings.h"

#include "config/Config.h"

void loadCollisionSettings() {
    const Config config;
    terrainSettings.openDoorValue = static_cast<int>(config.integer("Collision", "Open_Door_Value", 50));
    terrainSettings.closeDoorValue = static_cast<int>(config.integer("Collision", "Close_Door_Value", 15));
    terrainSettings.radius2 = static_cast<int>(config.integer("Collision", "Radius2", 3));
    terrainSettings.arrowSpeed = static_cast<int>(config.integer("Arrow", "Speed", 2));
}

void loadArrowRadius() {
    terrainSettings.arrowRadius = static_cast<int>(Config().integer("Arrow", "Radius", 20));
}
