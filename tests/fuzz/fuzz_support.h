// What the fuzz targets share: a check that stops the run with a message,
// and comparisons that name the first difference.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "io/PuzzleRecord.h"

// Stops the fuzzer with the reason; libFuzzer keeps the input that did it.
[[noreturn]] inline void FuzzFailure(const std::string& what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

inline void Require(bool ok, const std::string& what)
{
    if (!ok)
        FuzzFailure(what);
}

// "" when both records hold the same, else the first field that differs.
inline std::string RecordDifference(const PuzzleRecord& a, const PuzzleRecord& b)
{
    auto field = [](const char* name, long x, long y) {
        return std::string(name) + " " + std::to_string(x) + " vs " + std::to_string(y);
    };
    if (a.mode != b.mode) return field("mode", a.mode, b.mode);
    if (a.layoutState != b.layoutState) return field("layoutState", a.layoutState, b.layoutState);
    if (a.width != b.width) return field("width", a.width, b.width);
    if (a.height != b.height) return field("height", a.height, b.height);
    if (a.boardFlag != b.boardFlag) return field("boardFlag", a.boardFlag, b.boardFlag);
    if (a.emptyCount != b.emptyCount) return field("emptyCount", a.emptyCount, b.emptyCount);
    if (a.undoCount != b.undoCount) return field("undoCount", a.undoCount, b.undoCount);
    for (int x = 0; x < kBoardCells; ++x)
        for (int y = 0; y < kBoardCells; ++y)
            if (a.codes[x][y] != b.codes[x][y])
                return "cell " + std::to_string(x) + "," + std::to_string(y) + ": " +
                       field("code", a.codes[x][y], b.codes[x][y]);
    for (int i = 0; i < kUndoEntries; ++i)
        if (a.undoX[i] != b.undoX[i] || a.undoY[i] != b.undoY[i] || a.undoPrev[i] != b.undoPrev[i])
            return "undo entry " + std::to_string(i);
    return "";
}

inline void RequireSameRecord(const PuzzleRecord& a, const PuzzleRecord& b, const std::string& what)
{
    const std::string difference = RecordDifference(a, b);
    if (!difference.empty())
        FuzzFailure(what + ": " + difference);
}
