#include "pictures/Lettering.h"
#include "pictures/PictureSet.h"
#include "pictures/Strokes.h"

// The hand lettering for the few words the game writes while it runs: every printable ASCII
// character in a cell of its own, 16 to a row, on its baseline 36 pixels down the cell.
void addLetterSheet(PictureSet& set) {
    constexpr int kCellW = 48, kCellH = 48, kColumns = 16;
    constexpr int kFirst = 32, kLast = 126;
    constexpr int kRows = (kLast - kFirst + kColumns) / kColumns;
    Canvas c(kColumns * kCellW, kRows * kCellH);
    Mask letters(c.width(), c.height());
    for (int ch = kFirst; ch <= kLast; ++ch) {
        const int cell = ch - kFirst;
        const Vec2 baseline{static_cast<float>(cell % kColumns * kCellW + 6), static_cast<float>(cell / kColumns * kCellH + 36)};
        handLettering().write(letters, std::string(1, static_cast<char>(ch)), baseline, 34);
    }
    c.paint(letters, strokes::kInk);
    add(set, "Content/Menu/letters.png", c);
}
