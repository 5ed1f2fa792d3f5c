#pragma once

#include <memory>

#include "audio/Voice.h"

// Makes the bank's empty voices; the bank loads them itself.
class AudioBackend {
public:
    virtual ~AudioBackend() = default;
    virtual std::unique_ptr<Voice> makeEffect() = 0;
    virtual std::unique_ptr<Voice> makeStream() = 0;
};
