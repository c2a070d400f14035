// Boards kept as text files in the notation: the generated boards of
// bench/puzzles and the published puzzles (NAME.txt with its answer
// NAME.sol), read where they lie and never copied into the project. Shared
// by the benchmarks and the tests that read the same files.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "io/Notation.h"
#include "model/Grid.h"

namespace boardfiles {

inline bool ReadGridFile(const std::filesystem::path& path, Grid& out)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    ReadError error;
    return in && ParseGridNotation(s.str(), out, error);
}

// The .txt files of dir in name order; none when dir is not there.
inline std::vector<std::filesystem::path> TextFiles(const std::filesystem::path& dir)
{
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// The folder of the published puzzles: $VANDOR_JANKO_DIR when set, else the
// one the build was configured with.
inline std::filesystem::path PublishedDir(const char* configured)
{
    const char* env = std::getenv("VANDOR_JANKO_DIR");
    return env && *env ? std::filesystem::path(env) : std::filesystem::path(configured);
}

// A published puzzle's answer file beside it.
inline std::filesystem::path AnswerFile(std::filesystem::path puzzle)
{
    return puzzle.replace_extension(".sol");
}

}  // namespace boardfiles
