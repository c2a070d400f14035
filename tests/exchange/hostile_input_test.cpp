// Damaged URLs and files: every one is either refused with a reason or read
// into a well-formed board, never anything in between.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "exchange/PuzzLink.h"
#include "exchange/Pzprv3.h"
#include "exchange_test_support.h"

namespace {

void ExpectRefusedOrWellFormed(bool ok, const Grid& grid, const ReadError& error, const std::string& input)
{
    if (!ok) {
        EXPECT_NE(error.problem, ReadProblem::None) << input;
        return;
    }
    ASSERT_TRUE(IsGridSize(grid.width, grid.height)) << input;
    ASSERT_EQ(grid.cells.size(), static_cast<std::size_t>(grid.width) * grid.height) << input;
    for (std::uint8_t code : grid.cells)
        ASSERT_TRUE(code == Empty || code == GivenWhite || code == GivenBlack || code == PlacedWhite ||
                    code == PlacedBlack)
            << input;
}

// Replaces, inserts or deletes a few characters, picked from the ones that
// matter to the formats and a few that do not.
std::string Damage(std::string text, std::uint32_t& state)
{
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    static const char alphabet[] = "0123456789aqzAQZ/?:.\n\r 12-\xff";
    const int edits = 1 + next() % 4;
    for (int i = 0; i < edits; ++i) {
        const std::size_t at = text.empty() ? 0 : next() % text.size();
        const char c = alphabet[next() % (sizeof alphabet - 1)];
        switch (next() % 4) {
        case 0: if (!text.empty()) text[at] = c; break;
        case 1: text.insert(at, 1, c); break;
        case 2: if (!text.empty()) text.erase(at, 1 + next() % 8); break;
        default: text.insert(at, std::string(1 + next() % 30, c)); break;
        }
    }
    return text;
}

TEST(HostileInput, DamagedUrlsAndFilesAreRefusedOrReadWhole)
{
    const Grid solved = GridOf("b b b b b\nb w w w B\nB b w b B\nw b w B W\nW W W w w\n");
    const std::string url = FormatPuzzLinkUrl(solved);
    const std::string file = FormatPzprv3(solved);
    std::uint32_t state = 12345;
    for (int round = 0; round < 3000; ++round) {
        const std::string badUrl = Damage(url, state);
        Grid grid;
        ReadError error;
        bool ok = ParsePuzzLinkUrl(badUrl, grid, error);
        ExpectRefusedOrWellFormed(ok, grid, error, badUrl);

        const std::string badFile = Damage(file, state);
        grid = Grid();
        error = ReadError();
        ok = ParsePzprv3(badFile, grid, error);
        ExpectRefusedOrWellFormed(ok, grid, error, badFile);
    }
}

}  // namespace
