// Helpers shared by the file tests: a scratch folder, raw file bytes, and
// comparisons of records and of the whole visible GameState.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "io/PuzzleRecord.h"
#include "model/GameState.h"

using Bytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vandor-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            ADD_FAILURE() << "cannot create a temporary folder";
        path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

    // Names in the folder, for checking that no temporary file was left.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

private:
    std::string path_;
};

inline Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const Bytes& bytes)
{
    // A new file each time: rewriting a truncated file can make the file
    // system flush it on close, which slows the many-file tests a hundredfold.
    std::remove(path.c_str());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ToBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

// Everything a file stores, cell by cell; the first difference is reported.
inline ::testing::AssertionResult SameRecord(const PuzzleRecord& a, const PuzzleRecord& b,
                                             bool compareLayoutState = true)
{
    auto diff = [](const char* field, long x, long y) {
        return ::testing::AssertionFailure() << field << ": " << x << " vs " << y;
    };
    if (a.mode != b.mode) return diff("mode", a.mode, b.mode);
    if (compareLayoutState && a.layoutState != b.layoutState)
        return diff("layoutState", a.layoutState, b.layoutState);
    if (a.width != b.width) return diff("width", a.width, b.width);
    if (a.height != b.height) return diff("height", a.height, b.height);
    if (a.boardFlag != b.boardFlag) return diff("boardFlag", a.boardFlag, b.boardFlag);
    if (a.emptyCount != b.emptyCount) return diff("emptyCount", a.emptyCount, b.emptyCount);
    if (a.undoCount != b.undoCount) return diff("undoCount", a.undoCount, b.undoCount);
    for (int x = 0; x < kBoardCells; ++x)
        for (int y = 0; y < kBoardCells; ++y)
            if (a.codes[x][y] != b.codes[x][y])
                return ::testing::AssertionFailure() << "cell (" << x << ", " << y << "): "
                                                     << int(a.codes[x][y]) << " vs " << int(b.codes[x][y]);
    for (int i = 0; i < kUndoEntries; ++i)
        if (a.undoX[i] != b.undoX[i] || a.undoY[i] != b.undoY[i] || a.undoPrev[i] != b.undoPrev[i])
            return ::testing::AssertionFailure() << "undo entry " << i;
    return ::testing::AssertionSuccess();
}

// The part of GameState that a load may touch, plus the solver bytes of
// every cell, which no load may touch.
struct VisibleState {
    PuzzleRecord record;
    int status;
    int layoutState;
    int refitPending;
    std::vector<std::uint8_t> solverBytes;

    static VisibleState Capture()
    {
        VisibleState s{CapturePuzzle(), GameState.status, GameState.layoutState, GameState.refitPending, {}};
        for (int x = 0; x < kBoardCells; ++x)
            for (int y = 0; y < kBoardCells; ++y) {
                s.solverBytes.push_back(GameState.board[x][y].closed);
                s.solverBytes.push_back(GameState.board[x][y].visited);
            }
        return s;
    }
};

inline ::testing::AssertionResult SameState(const VisibleState& a, const VisibleState& b)
{
    if (a.status != b.status)
        return ::testing::AssertionFailure() << "status " << a.status << " vs " << b.status;
    if (a.layoutState != b.layoutState)
        return ::testing::AssertionFailure() << "layoutState " << a.layoutState << " vs " << b.layoutState;
    if (a.refitPending != b.refitPending)
        return ::testing::AssertionFailure() << "refitPending " << a.refitPending << " vs " << b.refitPending;
    if (a.solverBytes != b.solverBytes)
        return ::testing::AssertionFailure() << "closed/visited bytes differ";
    return SameRecord(a.record, b.record);
}
