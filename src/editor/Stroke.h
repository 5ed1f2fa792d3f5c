#pragma once

#include <SFML/System/Vector2.hpp>
#include <vector>

#include "editor/EditHistory.h"

enum class Brush { Pencil, Ink, Rubber };

// One stroke of a brush, from the press to the release. The pencil and the ink paint into
// pieces of their own kind, made where the stroke first reaches; the rubber clears painted
// pixels of either. Only the pixels touched change, so the window and the solidity follow
// the stroke and nothing else.
class Stroke {
public:
    Stroke(EditedLevel& level, Brush brush);
    // The brush dragged from one point to another, in level coordinates.
    void paint(sf::Vector2f from, sf::Vector2f to);
    // What the stroke changed, as one step for the history; nothing changed gives no patches.
    Edit finish();
    bool changedAnything() const;
    Brush brush() const { return brush_; }

    static int radius(Brush brush);

private:
    struct Touched {
        std::shared_ptr<PaintedPiece> piece;
        std::vector<std::uint8_t> before;
        int left, top, right, bottom;  // what the stroke changed, empty while right <= left
    };
    void dab(float cx, float cy);
    Touched& touch(const std::shared_ptr<PaintedPiece>& piece);
    // The piece of the brush's kind whose square holds (x, y), made if need be.
    std::shared_ptr<PaintedPiece> pieceAt(int squareX, int squareY, int kind);

    EditedLevel& level_;
    Brush brush_;
    std::vector<Placed> recordsBefore_;
    std::vector<Touched> touched_;
};
