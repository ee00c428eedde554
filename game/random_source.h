#pragma once

#include <cstdint>
#include <random>

namespace tarvo {

// A uniform source of single-precision numbers on [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float Next() = 0;
};

// Never seeded by the program, so every run draws the same sequence.
class DefaultRandomSource : public RandomSource {
public:
    float Next() override;

private:
    std::mt19937 engine_;
};

// The candidate to play among entries 0..bestCount: floor(r * (bestCount + 1))
// with r drawn from `random`; with a single candidate nothing is drawn.
int16_t ChooseCandidate(int16_t bestCount, RandomSource& random);

} // namespace tarvo
