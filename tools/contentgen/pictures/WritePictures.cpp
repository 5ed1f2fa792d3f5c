#include <iostream>

#include "Generators.h"
#include "pictures/Lettering.h"
#include "pictures/PictureSet.h"

std::vector<std::string> writePictures(const std::filesystem::path& gameDir) {
    if (!handLettering().ok()) {
        std::cerr << "contentgen: cannot read the lettering font " << handLettering().fontPath()
                  << " (Debian package fonts-humor-sans)\n";
        return {};
    }
    PictureSet set;
    addTerrain(set);
    addProps(set);
    addLevelAnimations(set);
    addHintBubbles(set);
    addDecorations(set);
    addCharacterSheets(set);
    addMenuButtons(set);
    addMenuBackgrounds(set);
    addSplashCard(set);
    addFlightScenery(set);
    addPlatformPieces(set);
    addIcons(set);
    addLetterSheet(set);
    addLandforms(set);
    addTeachingSigns(set);
    addMeadowSetting(set);
    addForestSetting(set);
    addRampartSetting(set);
    addQuarrySetting(set);

    std::vector<std::string> names;
    for (const Picture& p : set) {
        const std::filesystem::path file = gameDir / p.name;
        std::error_code ec;
        std::filesystem::create_directories(file.parent_path(), ec);
        if (ec || !p.image.saveToFile(file.string())) {
            std::cerr << "contentgen: cannot write " << file.string() << "\n";
            return {};
        }
        names.push_back(p.name);
    }
    return names;
}
