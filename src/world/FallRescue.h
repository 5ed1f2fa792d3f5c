#pragma once

#include <optional>

#include "level/ObjectList.h"
#include "platform/GameWindow.h"
#include "platform/Image.h"
#include "platform/Sprite.h"

// Brings a player who fell far below the level back to the last checkpoint, behind a short
// fade to dark and back, so a missed jump never means falling for ever. The fade runs on the
// frames' own time: frozen behind the menus, and frame for frame the same headless.
class FallRescue {
public:
    // Below the lowest solid picture by more than a screen's height is past any way back.
    static constexpr float kDepth = 768;
    static constexpr float kFadeSeconds = 0.25f;

    FallRescue();
    // Once per level load: the lowest bottom edge of the pictures that stop the player.
    void measure(const ObjectList& list);
    // True on the frame the view is darkest, when the player is to be brought back.
    bool update(float playerY, float frameSeconds);
    void cancel() { elapsed_.reset(); }
    // 0 (clear) to 1 (dark).
    float darkness() const;
    // Over the view as it was set for the frame.
    void draw(GameWindow& window);

private:
    std::optional<float> lowestBottom_;
    // Seconds into the fade; nothing while there is none.
    std::optional<float> elapsed_;
    Image darkImage_;
    Sprite dark_;
};
