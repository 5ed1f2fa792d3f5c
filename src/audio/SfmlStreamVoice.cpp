#include "audio/SfmlStreamVoice.h"

void SfmlStreamVoice::load(const std::string& path) { source_.openFromFile(path); }
