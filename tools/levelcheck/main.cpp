#include <SFML/System/Err.hpp>
#include <iostream>

#include "LevelCheckTool.h"

int main(int argc, char** argv) {
    // The picture loader's own complaints would repeat what the checks already say, less clearly.
    sf::err().rdbuf(nullptr);
    return runLevelCheck(argc, argv, std::cout, std::cerr);
}
