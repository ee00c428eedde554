#include "engine/pattern_eval.h"

#include "engine/range_coder.h"

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

constexpr const char* kMagic = "tarvo-othello weights 3";

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

void PatternWeights::AddNetwork(int first, int last) {
    firstNetworkPhase_ = first;
    heads_.assign(static_cast<std::size_t>(last - first + 1), NetworkHead{});
    embeddings_.assign(static_cast<std::size_t>(WeightsPerPhase()) * kUnits, 0);
}

int PatternWeights::Evaluate(const Position& p, bool network) const {
    const int phase = PhaseOf(p.Empties());
    const std::int16_t* w = Phase(phase);
    const FeatureIndices features = Features(p);
    int sum = 0;
    for (const int index : features) {
        sum += w[index];
    }
    if (!network || !HasNetwork(phase)) {
        return sum;
    }
    // 61 features of at most ±127 each cannot overflow a 16-bit sum, which
    // lets a feature's numbers be added at once.
    std::array<std::int16_t, kUnits> units{};
    for (const int index : features) {
        const std::int8_t* e = embeddings_.data() + static_cast<std::size_t>(index) * kUnits;
        for (std::size_t u = 0; u < kUnits; ++u) {
            units[u] = static_cast<std::int16_t>(units[u] + e[u]);
        }
    }
    const NetworkHead& head = heads_[static_cast<std::size_t>(phase - firstNetworkPhase_)];
    std::int64_t out = 0;
    for (std::size_t u = 0; u < kUnits; ++u) {
        const std::int64_t x = units[u] + head.bias[u];
        out += (x >= 0 ? 128 * x : x) * head.weight[u];
    }
    return sum + head.offset + static_cast<int>(out >> 23);
}

namespace {

// Most rows of weights are zero, for lines no game reaches: each row of
// `width` values is coded as a bit, set for a row with any other than zero,
// then that row's values. Each of `groups` runs of rows, and each column,
// keeps models of its own, since their values differ in size.
template <typename T>
void PutValues(RangeEncoder& out, const std::vector<T>& values, std::size_t width,
               std::size_t groups) {
    const std::size_t rows = values.size() / width;
    std::vector<NumberModel> models(groups * width);
    std::array<BitModel, 2> used{kEvenChance, kEvenChance};
    bool previous = false;
    for (std::size_t row = 0; row < rows; ++row) {
        const auto first = values.begin() + static_cast<std::ptrdiff_t>(row * width);
        const bool any = std::any_of(first, first + static_cast<std::ptrdiff_t>(width),
                                     [](T v) { return v != 0; });
        out.PutBit(used[previous ? 1 : 0], any);
        previous = any;
        for (std::size_t i = 0; i < width && any; ++i) {
            out.Put(models[row * groups / rows * width + i], first[static_cast<std::ptrdiff_t>(i)]);
        }
    }
}

// Reads what PutValues wrote, refusing a row of zeros marked as used or a
// value beyond ±`limit`.
template <typename T>
bool GetValues(RangeDecoder& in, std::vector<T>& values, std::size_t width, std::size_t groups,
               std::int64_t limit) {
    const std::size_t rows = values.size() / width;
    std::vector<NumberModel> models(groups * width);
    std::array<BitModel, 2> used{kEvenChance, kEvenChance};
    bool previous = false;
    for (std::size_t row = 0; row < rows; ++row) {
        previous = in.GetBit(used[previous ? 1 : 0]);
        bool zero = previous;
        for (std::size_t i = 0; i < width && previous; ++i) {
            const std::int64_t value = in.Get(models[row * groups / rows * width + i]);
            if (value > limit || value < -limit) {
                return false;
            }
            values[row * width + i] = static_cast<T>(value);
            zero = zero && value == 0;
        }
        if (zero) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string PatternWeights::Serialize() const {
    RangeEncoder coder;
    PutValues(coder, weights_, 1, kPhases);
    PutValues(coder, embeddings_, kUnits, 1);
    NumberModel heads;
    for (const NetworkHead& head : heads_) {
        for (std::size_t u = 0; u < kUnits; ++u) {
            coder.Put(heads, head.bias[u]);
            coder.Put(heads, head.weight[u]);
        }
        coder.Put(heads, head.offset);
    }
    const std::string body = coder.Finish();
    std::ostringstream header;
    header << kMagic << '\n'
           << kPhases << ' ' << WeightsPerPhase() << ' ' << kUnits << ' ' << firstNetworkPhase_
           << ' ' << heads_.size() << ' ' << body.size() << ' ' << std::hex << Checksum(body)
           << '\n';
    return header.str() + body;
}

std::optional<PatternWeights> PatternWeights::Read(const std::string& bytes, std::string& error) {
    std::istringstream in(bytes);
    std::string magic;
    int phases = 0;
    int perPhase = 0;
    int units = 0;
    int firstNetwork = 0;
    int networkPhases = 0;
    std::size_t size = 0;
    std::uint64_t checksum = 0;
    if (!std::getline(in, magic) || magic != kMagic) {
        error = "not a weights file of this program";
        return std::nullopt;
    }
    if (!(in >> phases >> perPhase >> units >> firstNetwork >> networkPhases >> size >> std::hex >>
          checksum) ||
        in.get() != '\n' || phases != kPhases || perPhase != WeightsPerPhase() || units != kUnits ||
        firstNetwork < 0 || networkPhases < 0 || networkPhases > kPhases - firstNetwork) {
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
    if (networkPhases > 0) {
        result.AddNetwork(firstNetwork, firstNetwork + networkPhases - 1);
    }
    RangeDecoder coder(body);
    bool whole = GetValues(coder, result.weights_, 1, kPhases, 32767) &&
                 GetValues(coder, result.embeddings_, kUnits, 1, 127);
    NumberModel heads;
    const auto get = [&](std::int32_t& value) {
        const std::int64_t n = coder.Get(heads);
        value = static_cast<std::int32_t>(n);
        whole = whole && n == value;
    };
    for (NetworkHead& head : result.heads_) {
        for (std::size_t u = 0; u < kUnits; ++u) {
            get(head.bias[u]);
            get(head.weight[u]);
        }
        get(head.offset);
    }
    if (whole && coder.Whole()) {
        return result;
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
