#pragma once

#include "engine/board.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvo::engine {

// A trained evaluation: the board is read as 46 lines and blocks of cells
// (edges with their X cells, corner blocks, rows, columns and diagonals),
// each looked up in a table of weights for its kind; so are the discs on
// each set of cells alike under the board's symmetries, and the replies of
// either side, now and later (the empty cells next to the other's discs). One set of tables for
// each phase of the game, by the number of empty cells. The sum is the final disc difference the
// side to move can expect, in units of 1/kEvalUnit disc.
constexpr int kEvalUnit = 32;
constexpr int kPhaseEmpties = 4; // empty cells a phase spans
constexpr int kPhases = 60 / kPhaseEmpties + 1;

constexpr int PhaseOf(int empties) {
    return empties / kPhaseEmpties;
}

// One kind of feature: its table's size and where it begins among a phase's weights.
struct FeatureKind {
    int size;
    int offset;
};

// A small network over the same features corrects the sum in the phases
// where the weights alone err most: every feature also picks kUnits numbers,
// summed unit by unit over the position; a phase's head adds its bias to
// each sum, keeps a 128th of a negative one, and weighs them.
constexpr int kUnits = 16;
struct NetworkHead {
    std::array<std::int32_t, kUnits> bias{};
    std::array<std::int32_t, kUnits> weight{}; // 1/65536 evaluation unit per unit of a sum above 0
    std::int32_t offset = 0;                   // in evaluation units
};

// Where each of a position's features looks in its phase's weights.
constexpr int kPatternInstances = 46;
// The patterns, the ten sets of alike cells, both sides' replies now and
// later, and a constant.
constexpr int kFeatures = kPatternInstances + 10 + 5;
using FeatureIndices = std::array<int, kFeatures>;

// The weights of one phase.
int WeightsPerPhase();
FeatureIndices Features(const Position& p);
// `p` turned or mirrored by symmetry 0 to 7; 0 leaves it as it is.
Position Symmetric(const Position& p, int symmetry);

class PatternWeights {
public:
    // All weights zero.
    PatternWeights();

    // The sum of the weights, and of the network where it has one unless
    // `network` is false.
    int Evaluate(const Position& p, bool network = true) const;

    std::int16_t* Phase(int phase) {
        return weights_.data() + static_cast<std::size_t>(phase) * WeightsPerPhase();
    }
    const std::int16_t* Phase(int phase) const {
        return weights_.data() + static_cast<std::size_t>(phase) * WeightsPerPhase();
    }

    // Gives phases `first` to `last` a network, all of it zero.
    void AddNetwork(int first, int last);
    bool HasNetwork(int phase) const {
        return phase >= firstNetworkPhase_ &&
               phase < firstNetworkPhase_ + static_cast<int>(heads_.size());
    }
    std::int8_t* Embedding(int index) {
        return embeddings_.data() + static_cast<std::size_t>(index) * kUnits;
    }
    NetworkHead& Head(int phase) {
        return heads_[static_cast<std::size_t>(phase - firstNetworkPhase_)];
    }

    // The compact form kept on disk; Read gives an error message for anything
    // but a whole, undamaged file of this form.
    std::string Serialize() const;
    static std::optional<PatternWeights> Read(const std::string& bytes, std::string& error);

private:
    std::vector<std::int16_t> weights_;
    int firstNetworkPhase_ = 0;
    std::vector<NetworkHead> heads_; // one for each phase with the network
    std::vector<std::int8_t> embeddings_;
};

// Reads the weights from `path`: nullopt, with a message in `error`, for a
// missing, unreadable or damaged file.
std::optional<PatternWeights> LoadWeights(const std::string& path, std::string& error);

// The weights of the first of `paths` that holds whole ones, read by the
// first call and shared by all later ones; nullptr when none can be read,
// and then the first call gives the reasons in `error`.
const PatternWeights* SharedWeights(const std::vector<std::string>& paths, std::string& error);

} // namespace tarvo::engine
