// The printed page: the program title and the grid of GameState drawn with
// vector shapes in physical units, 10 mm squares with a ring for every white
// stone and a disc for every black one. Printing, print preview and
// `vandor-cli print` all draw it through DrawPrintPage, and the tests measure
// it against the figures below.
//
// Page units are tenths of a millimetre, measured from the top-left corner of
// the printable area, x to the right and y downwards. w = width, h = height.
#pragma once

class QPainter;

namespace page {

constexpr int kUnitsPerMm = 10;
constexpr double kUnitsPerInch = 254.0;

// The title hangs from its top-left corner; its height is the whole line box
// (ascent plus descent), the way the title font was first laid out.
constexpr const char* kTitle = "Vandor";
constexpr int kTitleX = 200;
constexpr int kTitleY = 150;
constexpr int kTitleHeight = 100;

// Square of cell (x, y): 10 mm placed 10 mm apart, so neighbours share edges;
// the grid's top-left corner is 20 mm across and 40 mm down.
constexpr int kSquareSize = 100;
constexpr int SquareLeft(int x) { return kSquareSize * x + 100; }
constexpr int SquareTop(int y) { return kSquareSize * y + 300; }
constexpr int GridRight(int w) { return SquareLeft(w) + kSquareSize; }
constexpr int GridBottom(int h) { return SquareTop(h) + kSquareSize; }

// Stones are circles 8 mm across, 1 mm inside their square.
constexpr int kStoneInset = 10;
constexpr int kStoneSize = kSquareSize - 2 * kStoneInset;

// Every outline: solid black, 0.2 mm.
constexpr int kPenWidth = 2;

}  // namespace page

// Draws the page of GameState (width, height and the playable cells) with the
// painter's origin at the top-left of the printable area. Units are mapped
// from the device's own resolution, so the same call serves a printer, a PDF
// writer, the preview and an image. Given and placed stones print alike;
// nothing of the window but the board is printed. The painter is left as it
// was found.
void DrawPrintPage(QPainter& dc);
