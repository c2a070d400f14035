// The generator's own random numbers: xoshiro256** seeded through splitmix64,
// with its own range reduction and shuffle, so that one seed gives the same
// sequence, and so the same puzzle, with every compiler and standard library.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

class Rng {
public:
    explicit Rng(std::uint64_t seed)
    {
        for (std::uint64_t& word : state_)
            word = SplitMix(seed);
    }

    std::uint64_t Next()
    {
        const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = Rotl(state_[3], 45);
        return result;
    }

    // Uniform in 0..n-1 (n >= 1), without the bias of a plain modulo: draws
    // from the top of the range that does not divide evenly are thrown away.
    std::uint64_t Below(std::uint64_t n)
    {
        const std::uint64_t reject = (0 - n) % n;  // 2^64 mod n
        for (;;) {
            const std::uint64_t x = Next();
            if (x >= reject)
                return x % n;
        }
    }

    // Fisher-Yates, from the back.
    template <typename T>
    void Shuffle(std::vector<T>& items)
    {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[Below(i)]);
    }

private:
    static std::uint64_t SplitMix(std::uint64_t& x)
    {
        std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t state_[4];
};
