#include "level/RuleSettings.h"

#include "config/Config.h"

RuleSettings RuleSettings::read() {
    const Config config;
    RuleSettings s;
    s.openDoorValue = static_cast<int>(config.integer("Collision", "Open_Door_Value", 50));
    s.closeDoorValue = static_cast<int>(config.integer("Collision", "Close_Door_Value", 15));
    s.radius2 = static_cast<int>(config.integer("Collision", "Radius2", 3));
    s.arrowSpeed = static_cast<int>(config.integer("Arrow", "Speed", 2));
    s.arrowRadius = static_cast<int>(config.integer("Arrow", "Radius", 20));
    return s;
}
