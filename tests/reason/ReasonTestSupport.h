// Boards in the notation for the reasoner's tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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

inline bool ReadGridFile(const std::filesystem::path& path, Grid& out)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    ReadError error;
    return in && ParseGridNotation(s.str(), out, error);
}

inline std::vector<Published> PublishedPuzzles()
{
    namespace fs = std::filesystem;
    const char* env = std::getenv("VANDOR_JANKO_DIR");
    const fs::path dir = env && *env ? fs::path(env) : fs::path(VANDOR_JANKO_DIR);
    std::vector<Published> out;
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return out;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir, ec))
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        Published p;
        p.name = file.stem().string();
        fs::path sol = file;
        sol.replace_extension(".sol");
        EXPECT_TRUE(ReadGridFile(file, p.puzzle) && ReadGridFile(sol, p.answer)) << file;
        out.push_back(std::move(p));
    }
    return out;
}
