// The colours the program draws with, in the window and on the printed page.
#pragma once

#include <QColor>

namespace palette {

// The window's background, and the status text on it.
inline const QColor kTeal(0, 128, 128);
inline const QColor kYellow(255, 255, 0);

// The marks a check leaves on cells, and the circle around the cell where a
// second solution differs.
inline const QColor kMarkRed(255, 0, 0);

// The marks of a hint: the cells a step decides and the cells it rests on.
inline const QColor kMarkBlue(0, 0, 255);

// The keyboard cursor: orange, unlike every colour of the atlas and the marks.
inline const QColor kCursor(255, 140, 0);

// Stones and squares of the printed page: black ink on white paper. The
// window's stones are pictures of the atlas, drawn in the same two colours.
inline const QColor kStoneInk(0, 0, 0);
inline const QColor kPaper(255, 255, 255);

}  // namespace palette
