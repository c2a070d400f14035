// Boards in the notation for the reasoner's tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench/BoardFiles.h"
#include "io/Notation.h"
#include "model/Grid.h"
#include "reason/Board.h"

inline Grid ParseBoard(const std::string& text)
{
    Grid g;
    ReadError error;
    EXPECT_TRUE(ParseGridNotation(text, g, error)) << error;
    return g;
}

// The cell at 1-based column x, row y of a board w cells wide.
inline int CellAt(int w, int x, int y)
{
    return (y - 1) * w + (x - 1);
}

// The published puzzles with their answers, read at run time from
// VANDOR_JANKO_DIR or else the shared corpus beside the project; empty when
// neither folder is there.
struct Published {
    std::string name;
    Grid puzzle;
    Grid answer;
};

inline std::vector<Published> PublishedPuzzles()
{
    namespace fs = std::filesystem;
    const fs::path dir = boardfiles::PublishedDir(VANDOR_JANKO_DIR);
    std::vector<Published> out;
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return out;
    const std::vector<fs::path> files = boardfiles::TextFiles(dir);
    for (const fs::path& file : files) {
        Published p;
        p.name = file.stem().string();
        EXPECT_TRUE(boardfiles::ReadGridFile(file, p.puzzle) &&
                    boardfiles::ReadGridFile(boardfiles::AnswerFile(file), p.answer))
            << file;
        out.push_back(std::move(p));
    }
    return out;
}
