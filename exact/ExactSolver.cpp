// Placeholder: plain enumeration, exact but only fit for small boards.
#include "exact/ExactSolver.h"

namespace {

struct Search {
    const Grid& puzzle;
    const ExactOptions& options;
    Grid board;
    ExactResult result;

    bool BlockOk(int x, int y) const
    {
        // The 2 x 2 blocks whose last cell in scan order is (x, y).
        if (x == 0 || y == 0)
            return true;
        const int c = board.at(x, y);
        return !(board.at(x - 1, y) == c && board.at(x, y - 1) == c && board.at(x - 1, y - 1) == c);
    }

    bool Connected(int colour) const
    {
        const int n = board.width * board.height;
        std::vector<int> stack;
        std::vector<char> seen(n, 0);
        int total = 0;
        for (int i = 0; i < n; ++i)
            if (board.cells[i] == colour) {
                ++total;
                if (stack.empty() && !seen[i]) {
                    stack.push_back(i);
                    seen[i] = 1;
                }
            }
        int reached = 0;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++reached;
            const int x = i % board.width, y = i / board.width;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& p : next) {
                if (p[0] < 0 || p[1] < 0 || p[0] >= board.width || p[1] >= board.height)
                    continue;
                const int j = p[1] * board.width + p[0];
                if (!seen[j] && board.cells[j] == colour) {
                    seen[j] = 1;
                    stack.push_back(j);
                }
            }
        }
        return reached == total;
    }

    void Run(int i)
    {
        if (result.solutions >= 2 || result.cancelled)
            return;
        if (options.cancel && options.cancel->load()) {
            result.cancelled = true;
            return;
        }
        if (i == board.width * board.height) {
            if (Connected(GivenWhite) && Connected(GivenBlack)) {
                (result.solutions == 0 ? result.first : result.second) = board;
                ++result.solutions;
            }
            return;
        }
        const int x = i % board.width, y = i / board.width;
        const int given = puzzle.at(x, y);
        for (int c : {GivenWhite, GivenBlack}) {
            if ((given == GivenWhite || given == GivenBlack) && given != c)
                continue;
            board.at(x, y) = static_cast<std::uint8_t>(c);
            if (BlockOk(x, y))
                Run(i + 1);
        }
    }
};

}  // namespace

ExactResult SolveExact(const Grid& puzzle, const ExactOptions& options)
{
    Search s{puzzle, options, Grid(puzzle.width, puzzle.height), {}};
    s.Run(0);
    if (s.result.solutions >= 2 && options.findUndecided) {
        s.result.undecided.assign(puzzle.cells.size(), 0);
        for (std::size_t i = 0; i < puzzle.cells.size(); ++i)
            if (s.result.first.cells[i] != s.result.second.cells[i])
                s.result.undecided[i] = 1;
        // Every further solution could add undecided cells.
        for (std::size_t i = 0; i < puzzle.cells.size(); ++i) {
            if (s.result.undecided[i])
                continue;
            Grid forced = puzzle;
            forced.cells[i] = s.result.first.cells[i] == GivenWhite ? GivenBlack : GivenWhite;
            Search t{forced, options, Grid(puzzle.width, puzzle.height), {}};
            t.Run(0);
            if (t.result.solutions > 0)
                for (std::size_t j = 0; j < puzzle.cells.size(); ++j)
                    if (t.result.first.cells[j] != s.result.first.cells[j])
                        s.result.undecided[j] = 1;
        }
    }
    return s.result;
}
