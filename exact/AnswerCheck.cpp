#include "exact/AnswerCheck.h"

#include <cstddef>

namespace {

// 0 empty, 1 white, 2 black. Codes other than the five a grid may hold (only
// a damaged file brings one) count as empty.
int ColourOf(int code)
{
    switch (code) {
    case GivenWhite:
    case PlacedWhite: return 1;
    case GivenBlack:
    case PlacedBlack: return 2;
    default: return 0;
    }
}

void MarkBlocks(const Grid& board, AnswerReport& report)
{
    for (int x = 0; x + 1 < board.width; ++x) {
        for (int y = 0; y + 1 < board.height; ++y) {
            const int c = ColourOf(board.at(x, y));
            if (c == 0 || ColourOf(board.at(x + 1, y)) != c || ColourOf(board.at(x, y + 1)) != c ||
                ColourOf(board.at(x + 1, y + 1)) != c)
                continue;
            ++report.blocks;
            for (int dx = 0; dx < 2; ++dx)
                for (int dy = 0; dy < 2; ++dy)
                    report.marks[static_cast<std::size_t>(y + dy) * board.width + x + dx] = 1;
        }
    }
}

// Splits the cells of colour c and the empty cells into orthogonally
// connected regions; the stones of c in one region can still join, those in
// different regions never can. Marks the stones outside the region holding
// the most of them (the first such region in scan order on a tie) and
// returns the number of regions holding any.
int MarkSplitColour(const Grid& board, int c, AnswerReport& report)
{
    const int w = board.width;
    const std::size_t n = board.cells.size();
    auto open = [&](std::size_t i) {
        const int k = ColourOf(board.cells[i]);
        return k == 0 || k == c;
    };

    std::vector<int> region(n, -1);
    std::vector<int> stonesIn;
    std::vector<std::size_t> stack;
    // Scan order: x outer, y inner.
    for (int sx = 0; sx < w; ++sx) {
        for (int sy = 0; sy < board.height; ++sy) {
            const std::size_t start = static_cast<std::size_t>(sy) * w + sx;
            if (region[start] >= 0 || ColourOf(board.cells[start]) != c)
                continue;
            const int id = static_cast<int>(stonesIn.size());
            stonesIn.push_back(0);
            region[start] = id;
            stack.push_back(start);
            while (!stack.empty()) {
                const std::size_t i = stack.back();
                stack.pop_back();
                if (ColourOf(board.cells[i]) == c)
                    ++stonesIn[id];
                const int x = static_cast<int>(i % w);
                const int y = static_cast<int>(i / w);
                const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
                for (const auto& p : next) {
                    if (p[0] < 0 || p[1] < 0 || p[0] >= w || p[1] >= board.height)
                        continue;
                    const std::size_t j = static_cast<std::size_t>(p[1]) * w + p[0];
                    if (region[j] < 0 && open(j)) {
                        region[j] = id;
                        stack.push_back(j);
                    }
                }
            }
        }
    }

    const int regions = static_cast<int>(stonesIn.size());
    if (regions > 1) {
        int largest = 0;
        for (int r = 1; r < regions; ++r)
            if (stonesIn[r] > stonesIn[largest])
                largest = r;
        for (std::size_t i = 0; i < n; ++i)
            if (ColourOf(board.cells[i]) == c && region[i] != largest)
                report.marks[i] = 1;
    }
    return regions;
}

}  // namespace

AnswerReport CheckAnswerRules(const Grid& board)
{
    AnswerReport report;
    report.marks.assign(board.cells.size(), 0);
    for (std::uint8_t code : board.cells)
        report.emptyCells += ColourOf(code) == 0;
    MarkBlocks(board, report);
    report.whiteGroups = MarkSplitColour(board, 1, report);
    report.blackGroups = MarkSplitColour(board, 2, report);
    return report;
}

void MarkWrongStones(const Grid& board, const Grid& solution, AnswerReport& report)
{
    if (solution.width != board.width || solution.height != board.height)
        return;
    report.marks.resize(board.cells.size(), 0);
    for (std::size_t i = 0; i < board.cells.size(); ++i) {
        const int code = board.cells[i];
        if (IsPlacedStone(code) && ColourOf(code) != 0 && ColourOf(code) != ColourOf(solution.cells[i])) {
            ++report.wrongStones;
            report.marks[i] = 1;
        }
    }
}
