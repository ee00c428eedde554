#include "engine/pattern_eval.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <utility>

namespace tarvo::engine {

namespace {

constexpr int kMaxPatternCells = 10;

// Each kind's cells as they lie at the board's top-left corner or top edge.
struct PatternShape {
    int size;
    std::array<int, kMaxPatternCells> cells;
};
constexpr std::array<PatternShape, 11> kShapes = {{
    {10, {0, 1, 2, 3, 4, 5, 6, 7, 9, 14}},   // an edge and its two X cells
    {9, {0, 1, 2, 8, 9, 10, 16, 17, 18}},    // a corner's 3 × 3 block
    {10, {0, 1, 2, 3, 4, 8, 9, 10, 11, 12}}, // a corner's 2 × 5 block
    {8, {8, 9, 10, 11, 12, 13, 14, 15}},     // the second row
    {8, {16, 17, 18, 19, 20, 21, 22, 23}},   // the third row
    {8, {24, 25, 26, 27, 28, 29, 30, 31}},   // the fourth row
    {8, {0, 9, 18, 27, 36, 45, 54, 63}},     // the long diagonal
    {7, {1, 10, 19, 28, 37, 46, 55}},        // the diagonals of 7 to 4 cells
    {6, {2, 11, 20, 29, 38, 47}},
    {5, {3, 12, 21, 30, 39}},
    {4, {4, 13, 22, 31}},
}};
constexpr int kMobilityTable = 64;
// Cells alike under the board's symmetries: a1, b1, c1, d1, b2, c2, d2, c3,
// d3, d4 and their images. The difference of the two sides' discs on each
// set is a feature of its own, which every position shows, so that what a
// cell is worth is learnt even where a larger pattern was never seen.
constexpr std::array<int, 10> kCellClasses = {0, 1, 2, 3, 9, 10, 11, 18, 19, 27};
constexpr int kCellTable = 17;

constexpr int Power3(int n) {
    return n == 0 ? 1 : 3 * Power3(n - 1);
}

constexpr int MapCell(int cell, int symmetry) {
    int row = cell / 8;
    int col = cell % 8;
    if ((symmetry & 4) != 0) {
        std::swap(row, col);
    }
    if ((symmetry & 1) != 0) {
        col = 7 - col;
    }
    if ((symmetry & 2) != 0) {
        row = 7 - row;
    }
    return row * 8 + col;
}

// Every place of every kind on the board: the kind's shape as symmetry
// `symmetry` shows it, its cells read in the shape's order, so that a table's
// index means the same wherever it lies.
struct Instance {
    int kind;
    int symmetry;
    Bits set; // its cells
};
struct Layout {
    std::array<Instance, kPatternInstances> instances{};
    std::array<std::size_t, kShapes.size() + 1> first{}; // each kind's first place
    // The patterns, the cell classes, both sides' replies and frontiers, and a constant.
    std::array<FeatureKind, kShapes.size() + kCellClasses.size() + 5> kinds{};
    std::array<Bits, kCellClasses.size()> classes{};
    int total = 0;
    constexpr Layout() {
        int n = 0;
        for (int k = 0; k < static_cast<int>(kShapes.size()); ++k) {
            const PatternShape& shape = kShapes[static_cast<std::size_t>(k)];
            first[static_cast<std::size_t>(k)] = static_cast<std::size_t>(n);
            for (int s = 0; s < 8; ++s) {
                Instance instance{k, s, 0};
                for (int i = 0; i < shape.size; ++i) {
                    instance.set |= Bit(MapCell(shape.cells[static_cast<std::size_t>(i)], s));
                }
                // A shape that a symmetry maps onto itself is counted once.
                bool seen = false;
                for (int j = 0; j < n; ++j) {
                    const Instance& other = instances[static_cast<std::size_t>(j)];
                    seen = seen || (other.kind == k && other.set == instance.set);
                }
                if (!seen) {
                    instances[static_cast<std::size_t>(n++)] = instance;
                }
            }
            kinds[static_cast<std::size_t>(k)] = {Power3(shape.size), total};
            total += Power3(shape.size);
        }
        first[kShapes.size()] = static_cast<std::size_t>(n);
        for (std::size_t c = 0; c < kCellClasses.size(); ++c) {
            for (int s = 0; s < 8; ++s) {
                classes[c] |= Bit(MapCell(kCellClasses[c], s));
            }
        }
        for (std::size_t k = kShapes.size(); k < kinds.size(); ++k) {
            const int size = k < kShapes.size() + kCellClasses.size() ? kCellTable
                             : k + 1 < kinds.size()                   ? kMobilityTable
                                                                      : 1;
            kinds[k] = {size, total};
            total += size;
        }
    }
};
constexpr Layout kLayout;
static_assert(kLayout.instances[kPatternInstances - 1].kind == kShapes.size() - 1 &&
                  kLayout.instances[kPatternInstances - 1].set != 0,
              "46 places in all");

constexpr Bits Mirrored(Bits b) { // columns right to left
    b = (b >> 1 & 0x5555555555555555ULL) | (b & 0x5555555555555555ULL) << 1;
    b = (b >> 2 & 0x3333333333333333ULL) | (b & 0x3333333333333333ULL) << 2;
    return (b >> 4 & 0x0f0f0f0f0f0f0f0fULL) | (b & 0x0f0f0f0f0f0f0f0fULL) << 4;
}
constexpr Bits Transposed(Bits b) { // rows as columns: three swaps of blocks across the diagonal
    Bits t = 0x0f0f0f0f00000000ULL & (b ^ b << 28);
    b ^= t ^ t >> 28;
    t = 0x3333000033330000ULL & (b ^ b << 14);
    b ^= t ^ t >> 14;
    t = 0x5500550055005500ULL & (b ^ b << 7);
    return b ^ t ^ t >> 7;
}
// The board as each symmetry s shows it: cell c of view s holds what cell
// MapCell(c, s) of `b` holds, so each place of a kind reads like the kind's
// own shape.
constexpr std::array<Bits, 8> Views(Bits b) {
    std::array<Bits, 8> views;
    views[0] = b;
    views[1] = Mirrored(b);
    views[2] = __builtin_bswap64(b); // rows upside down
    views[3] = Mirrored(views[2]);
    for (std::size_t s = 0; s < 4; ++s) {
        views[s + 4] = Transposed(views[s]);
    }
    return views;
}

// A kind's cells of a view, the shape's first cell as the lowest bit.
template <std::size_t Kind> constexpr unsigned Gather(Bits v) {
    if constexpr (Kind == 0) { // row 1, b2 and g2
        return static_cast<unsigned>((v & 0xff) | (v >> 1 & 0x100) | (v >> 5 & 0x200));
    } else if constexpr (Kind == 1) { // a1-c1, a2-c2, a3-c3
        return static_cast<unsigned>((v & 7) | (v >> 5 & 0x38) | (v >> 10 & 0x1c0));
    } else if constexpr (Kind == 2) { // a1-e1, a2-e2
        return static_cast<unsigned>((v & 31) | (v >> 3 & 0x3e0));
    } else if constexpr (Kind <= 5) { // rows 2 to 4
        return static_cast<unsigned>(v >> (8 * (Kind - 2)) & 0xff);
    } else {
        // A diagonal from a1, b1, ..., e1 down to the right: a multiplication
        // gathers its cells, one to a column, into the top byte.
        constexpr Bits kColumns = 0x0101010101010101ULL;
        constexpr std::size_t start = Kind - 6;
        constexpr Bits diagonal =
            0x8040201008040201ULL << start & ~(kColumns * ((Bits{1} << start) - 1));
        return static_cast<unsigned>((v & diagonal) * kColumns >> (56 + start));
    }
}

// Each view and each kind's reading of it agree with the shapes' cells.
constexpr bool ViewsFollowTheSymmetries() {
    for (int s = 0; s < 8; ++s) {
        for (int cell = 0; cell < 64; ++cell) {
            if (Views(Bit(MapCell(cell, s)))[static_cast<std::size_t>(s)] != Bit(cell)) {
                return false;
            }
        }
    }
    return true;
}
template <std::size_t Kind> constexpr bool GathersItsShape() {
    const PatternShape& shape = kShapes[Kind];
    for (int i = 0; i < shape.size; ++i) {
        if (Gather<Kind>(Bit(shape.cells[static_cast<std::size_t>(i)])) != 1U << i) {
            return false;
        }
    }
    return true;
}
static_assert(ViewsFollowTheSymmetries());
static_assert([]<std::size_t... Kind>(std::index_sequence<Kind...>) {
    return (GathersItsShape<Kind>() && ...);
}(std::make_index_sequence<kShapes.size()>{}));

// A set of cells read as a number in base 3 with digits 0 and 1.
constexpr std::array<int, 1 << kMaxPatternCells> kTernary = [] {
    std::array<int, 1 << kMaxPatternCells> ternary{};
    for (std::size_t bits = 0; bits < ternary.size(); ++bits) {
        for (int i = kMaxPatternCells - 1; i >= 0; --i) {
            ternary[bits] = ternary[bits] * 3 + static_cast<int>(bits >> i & 1);
        }
    }
    return ternary;
}();
static_assert(kFeatures == kPatternInstances + kCellClasses.size() + 5);

// The checksum of the weights' bytes, 64-bit FNV-1a.
std::uint64_t Checksum(const std::string& bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    return hash;
}

constexpr const char* kMagic = "tarvo-othello weights 1";

void PutNumber(std::string& out, std::uint32_t n) {
    for (; n >= 0x80; n >>= 7) {
        out.push_back(static_cast<char>((n & 0x7f) | 0x80));
    }
    out.push_back(static_cast<char>(n));
}

bool GetNumber(const std::string& in, std::size_t& at, std::uint32_t& n) {
    n = 0;
    for (int shift = 0; shift < 32 && at < in.size(); shift += 7) {
        const auto byte = static_cast<unsigned char>(in[at++]);
        n |= static_cast<std::uint32_t>(byte & 0x7f) << shift;
        if ((byte & 0x80) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

int WeightsPerPhase() {
    return kLayout.total;
}

FeatureIndices Features(const Position& p) {
    FeatureIndices indices; // every entry is set below
    // A cell's digit is 1 for the mover's disc and 2 for the opponent's.
    const std::array<Bits, 8> mine = Views(p.mine);
    const std::array<Bits, 8> theirs = Views(p.theirs);
    // Kind by kind, so that each reads its cells its own way without a branch.
    [&]<std::size_t... Kind>(std::index_sequence<Kind...>) {
        const auto read = [&]<std::size_t K>(std::integral_constant<std::size_t, K>) {
            for (std::size_t i = kLayout.first[K]; i < kLayout.first[K + 1]; ++i) {
                const auto view = static_cast<std::size_t>(kLayout.instances[i].symmetry);
                indices[i] = kLayout.kinds[K].offset + kTernary[Gather<K>(mine[view])] +
                             2 * kTernary[Gather<K>(theirs[view])];
            }
        };
        (read(std::integral_constant<std::size_t, Kind>{}), ...);
    }
    (std::make_index_sequence<kShapes.size()>{});
    const auto& kinds = kLayout.kinds;
    std::size_t next = kPatternInstances;
    for (std::size_t c = 0; c < kCellClasses.size(); ++c) {
        const Bits cells = kLayout.classes[c];
        indices[next++] = kinds[kShapes.size() + c].offset + Count(p.mine & cells) -
                          Count(p.theirs & cells) + kCellTable / 2;
    }
    const std::size_t replies = kShapes.size() + kCellClasses.size();
    indices[next++] = kinds[replies].offset + Count(Moves(p));
    indices[next++] = kinds[replies + 1].offset + Count(Moves(p.theirs, p.mine));
    // The empty cells next to a side's discs: where the other may move later.
    const Bits empty = p.Empty();
    indices[next++] = kinds[replies + 2].offset + Count(Neighbours(p.theirs) & empty);
    indices[next++] = kinds[replies + 3].offset + Count(Neighbours(p.mine) & empty);
    indices[next] = kinds[replies + 4].offset;
    return indices;
}

Position Symmetric(const Position& p, int symmetry) {
    Position out;
    for (int cell = 0; cell < 64; ++cell) {
        const Bits to = Bit(MapCell(cell, symmetry));
        out.mine |= (p.mine & Bit(cell)) != 0 ? to : 0;
        out.theirs |= (p.theirs & Bit(cell)) != 0 ? to : 0;
    }
    return out;
}

PatternWeights::PatternWeights()
    : weights_(static_cast<std::size_t>(kPhases) * static_cast<std::size_t>(WeightsPerPhase())) {}

int PatternWeights::Evaluate(const Position& p) const {
    const std::int16_t* w = Phase(PhaseOf(p.Empties()));
    int sum = 0;
    for (const int index : Features(p)) {
        sum += w[index];
    }
    return sum;
}

std::string PatternWeights::Serialize() const {
    // Most weights are zero, for lines no game reaches: a weight is written
    // as the number of zeros before it and its value, both in 7-bit groups.
    std::string body;
    std::uint32_t zeros = 0;
    for (const std::int16_t w : weights_) {
        if (w == 0) {
            ++zeros;
            continue;
        }
        PutNumber(body, zeros);
        PutNumber(body, w > 0 ? static_cast<std::uint32_t>(w) * 2
                              : static_cast<std::uint32_t>(-w) * 2 - 1);
        zeros = 0;
    }
    PutNumber(body, zeros);
    std::ostringstream header;
    header << kMagic << '\n'
           << kPhases << ' ' << WeightsPerPhase() << ' ' << body.size() << ' ' << std::hex
           << Checksum(body) << '\n';
    return header.str() + body;
}

std::optional<PatternWeights> PatternWeights::Read(const std::string& bytes, std::string& error) {
    std::istringstream in(bytes);
    std::string magic;
    int phases = 0;
    int perPhase = 0;
    std::size_t size = 0;
    std::uint64_t checksum = 0;
    if (!std::getline(in, magic) || magic != kMagic) {
        error = "not a weights file of this program";
        return std::nullopt;
    }
    if (!(in >> phases >> perPhase >> size >> std::hex >> checksum) || in.get() != '\n' ||
        phases != kPhases || perPhase != WeightsPerPhase()) {
        error = "weights for another version of the evaluation";
        return std::nullopt;
    }
    const auto start = static_cast<std::size_t>(in.tellg());
    const std::string body = bytes.substr(start);
    if (body.size() != size || Checksum(body) != checksum) {
        error = "the weights are damaged or cut short";
        return std::nullopt;
    }
    PatternWeights result;
    std::size_t at = 0;
    std::size_t next = 0;
    const std::size_t total = result.weights_.size();
    for (;;) {
        std::uint32_t zeros = 0;
        std::uint32_t value = 0;
        if (!GetNumber(body, at, zeros) || zeros > total - next) {
            break;
        }
        next += zeros;
        if (next == total && at == body.size()) {
            return result;
        }
        if (next == total || !GetNumber(body, at, value) || value == 0 || value > 0xffff) {
            break;
        }
        result.weights_[next++] = static_cast<std::int16_t>(
            (value & 1) != 0 ? -static_cast<int>((value + 1) / 2) : static_cast<int>(value / 2));
    }
    error = "the weights are damaged";
    return std::nullopt;
}

std::optional<PatternWeights> LoadWeights(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot be read";
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::optional<PatternWeights> weights = PatternWeights::Read(bytes.str(), error);
    if (!weights) {
        error = path + ": " + error;
    }
    return weights;
}

const PatternWeights* SharedWeights(const std::vector<std::string>& paths, std::string& error) {
    static const std::optional<PatternWeights> weights = [&]() -> std::optional<PatternWeights> {
        std::string reasons;
        for (const std::string& path : paths) {
            std::string why;
            if (std::optional<PatternWeights> found = LoadWeights(path, why)) {
                return found;
            }
            reasons += (reasons.empty() ? "" : "; ") + why;
        }
        error = reasons;
        return std::nullopt;
    }();
    return weights ? &*weights : nullptr;
}

} // namespace tarvo::engine
