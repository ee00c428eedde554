#include "game/random_source.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace tarvo {
namespace {

class ScriptedSource : public RandomSource {
public:
    explicit ScriptedSource(std::vector<float> values) : values_(std::move(values)) {}
    float Next() override { return values_.at(draws_++); }
    std::size_t draws() const { return draws_; }

private:
    std::vector<float> values_;
    std::size_t draws_ = 0;
};

TEST(ChooseCandidate, TakesTheFloorOfRTimesTheNumberOfCandidates) {
    struct Row {
        float r;
        int16_t bestCount;
        int16_t chosen;
    };
    const float belowOne = std::nextafter(1.0f, 0.0f);
    const Row rows[] = {
        {0.0f, 9, 0}, {belowOne, 9, 9}, {0.5f, 4, 2},  {0.19999f, 4, 0},
        {0.2f, 4, 1}, {belowOne, 1, 1}, {0.49f, 1, 0}, {0.5f, 1, 1},
    };
    for (const Row& row : rows) {
        ScriptedSource source({row.r});
        EXPECT_EQ(ChooseCandidate(row.bestCount, source), row.chosen)
            << row.r << " of " << row.bestCount + 1;
        EXPECT_EQ(source.draws(), 1u);
    }
}

TEST(ChooseCandidate, ASingleCandidateDrawsNoNumber) {
    ScriptedSource source({});
    EXPECT_EQ(ChooseCandidate(0, source), 0);
    EXPECT_EQ(source.draws(), 0u);
}

TEST(DefaultRandomSource, DrawsTheSameSequenceEveryRunWithinZeroToOne) {
    DefaultRandomSource first;
    DefaultRandomSource second;
    for (int i = 0; i < 1000; ++i) {
        const float r = first.Next();
        EXPECT_EQ(r, second.Next());
        EXPECT_GE(r, 0.0f);
        EXPECT_LT(r, 1.0f);
    }
}

TEST(DefaultRandomSource, FiveEqualCandidatesAreEquallyLikely) {
    DefaultRandomSource source;
    std::array<int, 5> counts{};
    constexpr int kDraws = 50000;
    for (int i = 0; i < kDraws; ++i) {
        ++counts.at(static_cast<std::size_t>(ChooseCandidate(4, source)));
    }
    for (const int count : counts) {
        // Five standard deviations of a binomial(50000, 1/5) count.
        EXPECT_NEAR(count, kDraws / 5, 450);
    }
}

} // namespace
} // namespace tarvo
