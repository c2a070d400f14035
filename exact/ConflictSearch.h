// The search behind SolveExact: a conflict-driven search over the cells.
//
// Every cell is a variable (white or black). The 2 x 2 rules are clauses:
// no block of one colour, no block with one colour on one diagonal and the
// other on the other (the two diagonals could never both be joined). The
// border ring and connectivity are propagators: the border changes colour at
// most twice round; a free cell that no stone of a colour can reach takes the
// other colour, and a free cell whose loss would split the stones of a colour
// takes that colour. The line between the colours passes every corner point
// inside the board once, so the parity of those points tells where on the
// border it may end: the colour changes round the ring only across edges
// that fit. Every cell a propagator sets can explain itself later
// (the stones and the walls of the other colour that forced it), so a failed
// branch is analysed like any other conflict: the search learns a clause that
// keeps it from meeting the same dead end again, picks its next cell by how
// often cells took part in recent conflicts, and restarts now and then.
//
// Queries run under assumptions and keep what they learnt, so one search
// answers many questions about the same puzzle (a second solution, the
// colour of each cell in other solutions).
//
// Memory is taken when the search is made and grows only with the learnt
// clauses; nothing is allocated per decision.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

#include "model/Grid.h"

namespace exact {

enum : std::uint8_t { kFree = 0, kWhite = 1, kBlack = 2 };

constexpr std::uint8_t Other(std::uint8_t colour) { return static_cast<std::uint8_t>(3 - colour); }

// A literal: variable v having colour c is 2 * v + (c == kBlack). For the
// extra variables that switch clauses on and off, "white" reads as true.
using Lit = int;
constexpr Lit LitOf(int var, std::uint8_t colour) { return 2 * var + (colour == kBlack ? 1 : 0); }
constexpr Lit Negate(Lit l) { return l ^ 1; }
constexpr int VarOf(Lit l) { return l >> 1; }
constexpr std::uint8_t ColourOf(Lit l) { return (l & 1) ? kBlack : kWhite; }

enum class Answer { Solved, NoSolution, Stopped };

class ConflictSearch {
public:
    // puzzle: only its GivenWhite and GivenBlack cells count; 1..kGridMaxSize
    // each way. The search stops (Answer::Stopped) when cancel becomes true
    // or the deadline passes (when hasDeadline).
    ConflictSearch(const Grid& puzzle, const std::atomic<bool>* cancel);
    void SetDeadline(std::chrono::steady_clock::time_point deadline);

    // Places the givens and propagates. False when they break a rule already;
    // then nothing else may be called.
    bool Start();

    // Looks for a solution in which every assumption holds. After Solved,
    // Model gives it; the search keeps everything it learnt either way.
    Answer Solve(const std::vector<Lit>& assumptions);
    std::uint8_t Model(int cell) const { return model_[cell]; }
    void StoreModel(Grid& out) const;

    // A new variable for switching a clause: clause (not s) or ..., solved
    // under the assumption s.
    int NewSwitch();
    // Adds a clause for good (between queries). False when the puzzle has no
    // solution at all any more.
    bool AddClause(std::vector<Lit> lits);
    // The colour tried first at the cell's next decision.
    void PreferColour(int cell, std::uint8_t colour) { phase_[cell] = colour; }
    // Orders the first decisions: a larger weight is decided earlier.
    void SetWeight(int cell, double weight);

    // The colour every solution gives the cell, when known without search.
    std::uint8_t Fixed(int cell) const { return level_[cell] == 0 ? value_[cell] : std::uint8_t{kFree}; }
    int Cells() const { return cells_; }
    long long Conflicts() const { return conflicts_; }

private:
    struct Clause {
        int start;
        int size;
        int lbd;
        float activity;
        bool learnt;
        bool deleted;
    };
    struct Watch {
        int clause;
        Lit blocker;
    };
    // Why a propagator set a variable: the rule and the cells it used.
    enum : std::uint8_t { kRing, kParity, kUnreachable, kCut };
    struct Because {
        std::uint8_t rule;
        std::uint8_t colour;  // the colour whose rule it is
        // ring: two stones of the colour, one of the other; parity: the two
        // cells of a change (a has the colour) and the set cell of the edge;
        // cut: two stones
        int a, b, c;
    };
    static constexpr int kDecision = -1;
    static constexpr int kTheory = -2;
    static constexpr int kNoConflict = -1;
    static constexpr int kTheoryConflict = -2;

    bool IsTrue(Lit l) const { return value_[VarOf(l)] == ColourOf(l); }
    bool IsFalse(Lit l) const { return value_[VarOf(l)] == Other(ColourOf(l)); }
    int Level() const { return static_cast<int>(levelStart_.size()); }

    int AddVariable();
    void AddBlockClauses();
    void AddParityClauses();
    void BuildCellTables();
    void BuildRing();
    int StoreClause(const Lit* lits, int size, bool learnt, int lbd);
    void WatchClause(int ref);
    void Assign(Lit l, int reason);
    void Backtrack(int level);
    int Propagate();
    int PropagateClauses();
    int PropagateRing();
    int PropagateRingParity(int known);
    int PropagateConnected(std::uint8_t colour);
    bool SplitsOffPockets(int lost, std::uint8_t colour);
    enum class PartWalk { Met, Large, Closed };
    PartWalk WalkPart(int from, int g, std::uint8_t colour, int& tail);
    void FillPockets(std::uint8_t colour);
    int WalkRegion(std::uint8_t colour, int root);
    void Explain(int var, std::vector<Lit>& out);
    void SnapshotWalls(int a, int b, int blocked, std::uint8_t colour, int before, std::vector<Lit>& out);
    bool LiftConflict(int conflict);
    void Analyse(int conflict, int& backLevel);
    void Learn(int backLevel);
    void ReduceLearnt();
    void Compact();
    void Bump(int var);
    void BumpClause(Clause& c);
    int PickBranch();
    bool ShouldStop(bool now);
    Answer Run(const std::vector<Lit>& assumptions, long long conflictBudget);

    // Heap of free variables by activity.
    void HeapInsert(int var);
    int HeapPop();
    void HeapUp(int pos);
    void HeapDown(int pos);

    int width_, height_, cells_;
    int vars_ = 0;
    const std::atomic<bool>* cancel_;
    bool hasDeadline_ = false;
    std::chrono::steady_clock::time_point deadline_;
    bool unsolvable_ = false;
    long long conflicts_ = 0;
    long long checks_ = 0;

    std::vector<std::uint8_t> given_;
    std::vector<std::uint8_t> value_;
    std::vector<std::uint8_t> model_;
    std::vector<std::uint8_t> phase_;
    std::vector<int> level_;
    std::vector<int> reason_;
    std::vector<int> position_;  // index on the trail
    std::vector<Because> because_;
    std::vector<Lit> trail_;
    std::vector<int> levelStart_;
    int head_ = 0;

    std::vector<Clause> clauses_;
    std::vector<Lit> literals_;
    std::vector<std::vector<Watch>> watches_;
    int learntCount_ = 0;
    double maxLearnt_ = 0;
    float clauseIncrement_ = 1;

    std::vector<double> activity_;
    double varIncrement_ = 1;
    std::vector<int> heap_;
    std::vector<int> heapPos_;  // -1 when not in the heap

    // Analysis scratch.
    std::vector<std::uint8_t> seen_;
    std::vector<Lit> learnt_;
    std::vector<Lit> reasonLits_;
    std::vector<Lit> conflictLits_;
    std::vector<int> levelMark_;
    int levelStamp_ = 0;

    // Board geometry and propagator state.
    int count_[3] = {0, 0, 0};
    bool stale_[3] = {false, true, true};
    bool ringStale_ = true;
    std::vector<int> neighbours_;  // 4 per cell, -1 where there is none
    std::vector<int> around_;      // 8 per cell, round it, -1 where there is none
    std::vector<int> ring_;
    std::vector<std::uint8_t> onRing_;
    std::vector<int> ringKnown_;
    std::vector<std::uint8_t> ringParity_;  // per ring edge k (ring_[k] to the next)
    bool oddPoints_ = false;  // an odd number of corner points inside the board

    struct Visit {
        unsigned stamp = 0;
        int order = 0;
        int low = 0;
        int stone = -1;  // a stone of the colour in the subtree, -1 for none
        int parent = -1;
        std::uint8_t next = 0;
    };
    std::vector<Visit> visit_;
    unsigned stamp_ = 0;
    std::vector<int> stack_;
    std::vector<int> cut_;       // cut cells found, with the stone behind each
    std::vector<int> cutStone_;
    std::vector<unsigned> mark_;  // breadth-first scratch
    unsigned markStamp_ = 0;
    std::vector<unsigned> joinMark_;  // SplitsOffPockets' scratch
    std::vector<int> joinGroup_;
    std::vector<int> pocket_;  // cells cut off from every stone of a colour
    bool filling_ = false;
    std::vector<int> joinQueue_;
    std::vector<Lit> wallsA_, wallsB_;  // SnapshotWalls' scratch
    unsigned joinStamp_ = 0;
};

}  // namespace exact
