#include "solver/Solver.h"

#include "solver/CellAccess.h"
#include "solver/PassTracking.h"

// The ring of edge cells is read clockwise from the top-left corner: the top
// row left to right, the right column downwards from row 2, the bottom row
// right to left from column width-1, the left column upwards to row 2. The
// four stretches are numbered 0..3 in that order; each corner belongs to the
// stretch that starts or ends with it as listed.

namespace {

struct RingPos {
    int x;
    int y;
};

// The i-th ring cell, 0 <= i < 2 * width + 2 * height - 4.
RingPos RingCell(const GameStateRecord& state, int i)
{
    const int w = state.width;
    const int h = state.height;
    if (i < w)
        return {i + 1, 1};
    i -= w;
    if (i < h - 1)
        return {w, i + 2};
    i -= h - 1;
    if (i < w - 1)
        return {w - 1 - i, h};
    i -= w - 1;
    return {1, h - 1 - i};
}

void FillIfEmpty(GameStateRecord& state, int x, int y, int code)
{
    if (CodeAt(state, x, y) == Empty)
        PlaceCell(state, x, y, code);
}

}  // namespace

void FillBorderArc(GameStateRecord& state, int x1, int y1, int x2, int y2, int code)
{
    const int w = state.width;
    const int h = state.height;

    int endStretch;
    if (y2 == 1)
        endStretch = 0;
    else if (x2 == w)
        endStretch = 1;
    else if (y2 == h)
        endStretch = 2;
    else if (x2 == 1)
        endStretch = 3;
    else
        return;

    int startStretch;
    if (y1 == 1)
        startStretch = 0;
    else if (x1 == w)
        startStretch = 1;
    else if (y1 == h)
        startStretch = 2;
    else
        startStretch = 3;

    for (int s = startStretch; s <= endStretch; ++s) {
        const bool first = s == startStretch;
        const bool last = s == endStretch;
        switch (s) {
        case 0:
            for (int x = first ? x1 : 1; x <= (last ? x2 : w); ++x)
                FillIfEmpty(state, x, 1, code);
            break;
        case 1:
            for (int y = first ? y1 : 2; y <= (last ? y2 : h); ++y)
                FillIfEmpty(state, w, y, code);
            break;
        case 2:
            for (int x = first ? x1 : w - 1; x >= (last ? x2 : 1); --x)
                FillIfEmpty(state, x, h, code);
            break;
        default:
            for (int y = first ? y1 : h - 1; y >= (last ? y2 : 2); --y)
                FillIfEmpty(state, 1, y, code);
            break;
        }
    }
}

namespace {

// The runs of one colour met reading the ring once, empty cells skipped.
struct RingRuns {
    int count = 0;
    int first = NoColour;  // the colour of the first run
    // By colour, for the first two runs: the run's first stone, and its last
    // stone that follows empty cells within the run (when hasGap).
    RingPos runStart[3] = {};
    RingPos gapEnd[3] = {};
    bool hasGap[3] = {false, false, false};
    RingPos thirdRunStart{0, 0};
};

// False at a fourth run: then each colour stands on the ring in two separate
// arcs, and two such pairs cannot both be joined.
bool ReadRingRuns(const GameStateRecord& state, RingRuns& r)
{
    int previous = NoColour;
    int gap = 0;
    const int ringCells = 2 * state.width + 2 * state.height - 4;
    for (int i = 0; i < ringCells; ++i) {
        const RingPos p = RingCell(state, i);
        const int code = CodeAt(state, p.x, p.y);
        if (code == Empty) {
            ++gap;
            continue;
        }
        const int c = colour(code);
        if (c == NoColour)
            continue;
        if (r.first == NoColour)
            r.first = c;
        if (c != previous) {
            if (++r.count > 3)
                return false;
            if (r.count <= 2)
                r.runStart[c] = p;
            else
                r.thirdRunStart = p;
        } else if (gap > 0 && r.count <= 2) {
            r.gapEnd[c] = p;
            r.hasGap[c] = true;
        }
        previous = c;
        gap = 0;
    }
    return true;
}

// Fills the empty cells inside each colour's arc.
void FillRingArcs(GameStateRecord& state, const RingRuns& r)
{
    if (r.count < 2)
        return;
    for (int c = WhiteColour; c <= BlackColour; ++c)
        if (r.hasGap[c])
            FillBorderArc(state, r.runStart[c].x, r.runStart[c].y, r.gapEnd[c].x, r.gapEnd[c].y, PlacedStone(c));
    if (r.count == 3) {
        // Runs 1 and 3 are one arc across the top-left corner.
        const int placed = PlacedStone(r.first);
        FillBorderArc(state, 1, 1, r.runStart[r.first].x, r.runStart[r.first].y, placed);
        FillBorderArc(state, r.thirdRunStart.x, r.thirdRunStart.y, 1, 2, placed);
    }
}

}  // namespace

void PerimeterPass(GameStateRecord& state)
{
    // The pass reads nothing but the ring: unchanged, it would find nothing
    // again. Stones it places mark the ring once more.
    if (state.scan.active) {
        if (!state.scan.ring)
            return;
        state.scan.ring = 0;
    }
    RingRuns runs;
    if (!ReadRingRuns(state, runs)) {
        state.status = StatusContradiction;
        return;
    }
    FillRingArcs(state, runs);
}
