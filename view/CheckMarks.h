// The marks the checks of the ﾂｰﾙ menu leave on cells. GameState.checkMarks
// holds the marks of each cell, one bit per kind, so a cell can carry more
// than one; each kind has one row in the table of CheckMarks.cpp saying what
// it looks like.
#pragma once

#include <cstdint>

class QPainter;

enum MarkKind : std::uint8_t {
    kNoMark = 0,
    // A red frame along the inside of the cell: a broken rule (a 2 x 2 block
    // of one colour, the smaller part of a split colour) or an undecided cell.
    kFrameMark = 1,
    // A red cross over the stone: a placed stone unlike the answer.
    kCrossMark = 2,
    // A blue circle: a cell the step of a hint decides.
    kHintMark = 4,
    // A thin blue frame: a cell the reason of that step rests on.
    kHintReasonMark = 8,
};

// Paints the marks of cell (x, y), 1-based, in the order of the table;
// unknown bits paint nothing.
void PaintCheckMarks(QPainter& dc, int marks, int x, int y);
