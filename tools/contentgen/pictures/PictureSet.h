#pragma once

#include <string>
#include <vector>

#include "pictures/Canvas.h"

// One picture of the game folder, named by its path relative to the folder.
struct Picture {
    std::string name;
    Image image;
};

using PictureSet = std::vector<Picture>;

inline void add(PictureSet& set, const std::string& name, const Canvas& canvas) { set.push_back({name, canvas.toImage()}); }

// Each adds one family of pictures.
void addTerrain(PictureSet& set);
void addProps(PictureSet& set);
void addLevelAnimations(PictureSet& set);
void addHintBubbles(PictureSet& set);
void addDecorations(PictureSet& set);
void addCharacterSheets(PictureSet& set);
void addMenuButtons(PictureSet& set);
void addMenuBackgrounds(PictureSet& set);
void addSplashCard(PictureSet& set);
void addFlightScenery(PictureSet& set);
void addPlatformPieces(PictureSet& set);
void addIcons(PictureSet& set);
void addLetterSheet(PictureSet& set);
void addLandforms(PictureSet& set);
// Wayside signs that teach the controls.
void addTeachingSigns(PictureSet& set);
// Each level's own backdrop and props.
void addMeadowSetting(PictureSet& set);
void addForestSetting(PictureSet& set);
void addRampartSetting(PictureSet& set);
void addQuarrySetting(PictureSet& set);
