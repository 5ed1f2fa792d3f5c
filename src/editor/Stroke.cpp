#include "editor/Stroke.h"

#include <algorithm>
#include <cmath>

#include "level/Kinds.h"

namespace {
constexpr Color kGraphite{78, 78, 86, 255};
constexpr Color kInk{22, 20, 28, 255};
constexpr int kSide = EditedLevel::kPieceSide;

// Graphite's grain, fixed to the level's pixels so strokes and pieces meet without seams.
// Every grain stays above the alpha the box rule counts as solid.
std::uint8_t grain(int x, int y) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x9E3779B1u ^ static_cast<std::uint32_t>(y) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return static_cast<std::uint8_t>(165 + h % 80);
}

int squareOf(float v) { return static_cast<int>(std::floor(v / kSide)) * kSide; }
}  // namespace

Stroke::Stroke(EditedLevel& level, Brush brush) : level_(level), brush_(brush), recordsBefore_(level.records) {}

int Stroke::radius(Brush brush) {
    switch (brush) {
        case Brush::Pencil: return 5;
        case Brush::Ink: return 7;
        case Brush::Rubber: return 14;
    }
    return 5;
}

void Stroke::paint(sf::Vector2f from, sf::Vector2f to) {
    const sf::Vector2f d = to - from;
    const float length = std::hypot(d.x, d.y);
    // Dabs close enough that the stroke has no gaps at any speed.
    const float spacing = std::max(1.0f, static_cast<float>(radius(brush_)) / 2);
    const int dabs = static_cast<int>(length / spacing);
    for (int i = 0; i <= dabs; ++i) {
        const float t = dabs == 0 ? 1 : static_cast<float>(i) / static_cast<float>(dabs);
        dab(from.x + d.x * t, from.y + d.y * t);
    }
}

void Stroke::dab(float cx, float cy) {
    const int r = radius(brush_);
    const int left = static_cast<int>(std::floor(cx)) - r, right = static_cast<int>(std::floor(cx)) + r + 1;
    const int top = static_cast<int>(std::floor(cy)) - r, bottom = static_cast<int>(std::floor(cy)) + r + 1;
    std::vector<std::pair<std::shared_ptr<PaintedPiece>, sf::Vector2i>> pieces;
    if (brush_ == Brush::Rubber) {
        for (const Placed& p : level_.records)
            if (p.painted && p.x < right && p.x + kSide > left && p.y < bottom && p.y + kSide > top)
                pieces.emplace_back(p.painted, sf::Vector2i{p.x, p.y});
    } else {
        const int kind = brush_ == Brush::Ink ? Kind::Ink : Kind::Pencil;
        for (int sy = squareOf(static_cast<float>(top)); sy < bottom; sy += kSide)
            for (int sx = squareOf(static_cast<float>(left)); sx < right; sx += kSide) {
                // Only a square the disc reaches gets a piece.
                const float nx = std::clamp(cx, static_cast<float>(sx), static_cast<float>(sx + kSide));
                const float ny = std::clamp(cy, static_cast<float>(sy), static_cast<float>(sy + kSide));
                if ((nx - cx) * (nx - cx) + (ny - cy) * (ny - cy) < static_cast<float>(r * r))
                    pieces.emplace_back(pieceAt(sx, sy, kind), sf::Vector2i{sx, sy});
            }
    }
    for (const auto& [piece, at] : pieces) {
        Touched* touched = nullptr;
        for (int y = std::max(top, at.y); y < std::min(bottom, at.y + kSide); ++y)
            for (int x = std::max(left, at.x); x < std::min(right, at.x + kSide); ++x) {
                const float dx = static_cast<float>(x) + 0.5f - cx, dy = static_cast<float>(y) + 0.5f - cy;
                if (dx * dx + dy * dy > static_cast<float>(r * r)) continue;
                const auto px = static_cast<unsigned>(x - at.x), py = static_cast<unsigned>(y - at.y);
                Color c;
                if (brush_ == Brush::Rubber) {
                    if (piece->image.alpha(px, py) == 0) continue;
                    c = Color{0, 0, 0, 0};
                } else if (brush_ == Brush::Ink) {
                    c = kInk;
                } else {
                    c = kGraphite;
                    c.a = std::max(grain(x, y), piece->image.alpha(px, py));
                }
                if (piece->image.pixel(px, py) == c) continue;
                if (!touched) touched = &touch(piece);
                piece->image.setPixel(px, py, c);
                touched->left = std::min(touched->left, static_cast<int>(px));
                touched->top = std::min(touched->top, static_cast<int>(py));
                touched->right = std::max(touched->right, static_cast<int>(px) + 1);
                touched->bottom = std::max(touched->bottom, static_cast<int>(py) + 1);
            }
    }
}

Stroke::Touched& Stroke::touch(const std::shared_ptr<PaintedPiece>& piece) {
    for (Touched& t : touched_)
        if (t.piece == piece) return t;
    Touched& t = touched_.emplace_back(Touched{piece, {}, kSide, kSide, 0, 0});
    const Image& image = piece->image;
    t.before.resize(static_cast<size_t>(image.width()) * image.height() * 4);
    for (unsigned y = 0; y < image.height(); ++y)
        std::copy_n(image.row(y), static_cast<size_t>(image.width()) * 4, t.before.begin() + static_cast<long>(y * image.width() * 4));
    piece->changed = true;
    return t;
}

std::shared_ptr<PaintedPiece> Stroke::pieceAt(int squareX, int squareY, int kind) {
    for (const Placed& p : level_.records)
        if (p.painted && p.kind == kind && p.x == squareX && p.y == squareY) return p.painted;
    auto piece = std::make_shared<PaintedPiece>();
    piece->image.create(kSide, kSide);
    piece->image.keepPixels();
    piece->changed = true;
    level_.records.push_back(Placed{squareX, squareY, "", kind, piece});
    return piece;
}

bool Stroke::changedAnything() const {
    return std::any_of(touched_.begin(), touched_.end(), [](const Touched& t) { return t.right > t.left; });
}

Edit Stroke::finish() {
    Edit edit{recordsBefore_, level_.records, {}};
    for (const Touched& t : touched_) {
        if (t.right <= t.left) continue;
        PixelPatch patch{t.piece, IntRect{t.left, t.top, t.right - t.left, t.bottom - t.top}, {}, {}};
        const size_t rowBytes = static_cast<size_t>(patch.area.width) * 4;
        for (int y = t.top; y < t.bottom; ++y) {
            const auto from = t.before.begin() + (static_cast<long>(y) * kSide + t.left) * 4;
            patch.before.insert(patch.before.end(), from, from + static_cast<long>(rowBytes));
            const std::uint8_t* now = t.piece->image.row(static_cast<unsigned>(y)) + static_cast<size_t>(t.left) * 4;
            patch.after.insert(patch.after.end(), now, now + rowBytes);
        }
        edit.patches.push_back(std::move(patch));
    }
    return edit;
}
