// The search behind SolveExact: depth-first over the free cells with strong
// propagation after every decision, undone through a trail. All memory is
// taken when the search is made; nothing is allocated per node.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "model/Grid.h"

namespace exact {

enum : std::uint8_t { kFree = 0, kWhite = 1, kBlack = 2 };

constexpr std::uint8_t Other(std::uint8_t colour) { return static_cast<std::uint8_t>(3 - colour); }

class Search {
public:
    // puzzle: only its GivenWhite and GivenBlack cells count. Its size must
    // be 1..kGridMaxSize each way.
    Search(const Grid& puzzle, const std::atomic<bool>* cancel);

    // Places the givens and propagates them. False when they already break a
    // rule; then there is no solution and nothing else may be called.
    bool Start();

    // Finds up to `limit` solutions of the current root state, with `cell`
    // (when not -1) set to `colour` for this run only; solutions[k] receives
    // the k-th one found. Returns how many were found (fewer than limit means
    // there are no more, unless Cancelled()). Leaves the root state as it was.
    int Count(int limit, Grid* solutions, int cell = -1, std::uint8_t colour = kFree);

    // Sets a cell for good (it has this colour in every solution) and
    // propagates; false when that leaves no solution.
    bool Fix(int cell, std::uint8_t colour);

    // The colour of a cell in the root state (kFree when not yet known).
    std::uint8_t RootColour(int cell) const { return colour_[cell]; }

    bool Cancelled() const { return cancelled_; }
    long long Nodes() const { return nodes_; }

private:
    struct Setting {
        int cell;
        std::uint8_t colour;
    };
    static constexpr int kFlips = 8;

    struct Decision {
        int cell;
        int mark;  // trail size before the decision
        std::uint8_t first;
        bool second;
    };

    bool Assign(int cell, std::uint8_t colour);
    void Undo(int mark);
    bool Propagate();
    bool CheckBlock(int topLeft);
    bool CheckRing();
    bool CheckConnected(std::uint8_t colour);
    bool Lookahead(int& pick);
    void Store(Grid& out) const;
    bool Known(const Grid* solutions, int found) const;
    bool Run(int limit, Grid* solutions, int& found, const Setting* set, int setCount, long long budget, bool plain);
    int PickCell() const;
    std::uint64_t Random()
    {
        random_ ^= random_ << 13;
        random_ ^= random_ >> 7;
        random_ ^= random_ << 17;
        return random_;
    }

    int width_, height_, cells_;
    const std::atomic<bool>* cancel_;
    bool cancelled_ = false;
    long long nodes_ = 0;
    std::uint64_t random_ = 0x9e3779b97f4a7c15u;

    std::vector<std::uint8_t> given_;
    std::vector<std::uint8_t> colour_;
    int count_[3] = {0, 0, 0};  // cells of each colour
    // Whether a colour's connectivity must be looked at again: something it
    // depends on changed since CheckConnected last passed for it.
    bool stale_[3] = {false, true, true};
    bool probing_ = false;  // inside a probe of Lookahead

    std::vector<int> trail_;
    int trailSize_ = 0;
    std::vector<int> queue_;  // cells set since the 2 x 2 rules last looked
    int queueHead_ = 0;
    int queueTail_ = 0;

    std::vector<int> neighbours_;  // 4 per cell, -1 where there is none
    std::vector<int> around_;      // 8 per cell, round it, -1 where there is none
    static const std::uint8_t* const kArcs;
    std::vector<int> blocks_;      // top-left cells of the 2 x 2 blocks of a cell, -1 for none
    std::vector<int> ring_;        // the border cells once round, when both sides are 2+

    // Connectivity scratch: the depth-first search of one colour's cells.
    struct Visit {
        unsigned stamp = 0;  // == stamp_: visited in this search
        int order = 0;       // discovery time
        int low = 0;         // earliest discovery time reachable from the subtree
        int stones = 0;      // stones of the colour in the subtree
        int parent = -1;
        std::uint8_t next = 0;  // next neighbour to look at
    };
    std::vector<Visit> visit_;
    unsigned stamp_ = 0;
    std::vector<int> stack_;
    std::vector<int> forced_;
    std::vector<int> ringKnown_;

    std::vector<Decision> decisions_;
};

}  // namespace exact
