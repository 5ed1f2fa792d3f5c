#pragma once

// Door reach, eraser ring and arrow values, read from "config.ini" where the World is built;
// the level's object list carries them to the rules.
struct RuleSettings {
    int openDoorValue = 50;
    int closeDoorValue = 15;
    int radius2 = 3;
    int arrowSpeed = 2;
    int arrowRadius = 20;

    // `Collision` keys, then `Arrow` `Speed` and `Radius`.
    static RuleSettings read();
};
