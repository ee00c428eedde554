// Makes the trained evaluation's weights from positions of its own games.
//
//   train_eval generate OUT SEED GAMES [EXACT [WEIGHTS]]
//     Plays GAMES games from random openings of 2 to 10 moves and appends
//     their positions to OUT, each with the final disc difference for its
//     side to move. From EXACT empty cells on (24) both sides play perfectly,
//     so those results are exact; before that a short search plays, with
//     WEIGHTS when given, and a random move one time in five. Game n is the
//     same whenever it is played: an interrupted run goes on where it
//     stopped when started again.
//   train_eval play OUT SEED GAMES EXACT WEIGHTS
//     The same, but the games are played as the engine plays them: the short
//     search with WEIGHTS makes every move after an opening of 10 to 14
//     random moves, which is long enough that two games seldom meet.
//   train_eval fit OUT DATA...
//     Fits the weights to the positions of the DATA files and writes them to
//     OUT, phase by phase; an interrupted fit goes on from the last phase done.
//   train_eval network [--labels LABELS] OUT WEIGHTS DATA...
//     Adds to WEIGHTS a network for the middle phases, fitted to the
//     positions of the DATA files, and writes the whole to OUT; an
//     interrupted fit goes on from the last pass over the positions done.
//     Positions before the exact solver took over are labelled by a search
//     with LABELS, or else with WEIGHTS.
//   train_eval test [--empties LOW HIGH] WEIGHTS DATA...
//     The mean absolute error of the evaluation, in discs, against the exact
//     results at LOW to HIGH empty cells (20 to 24), and that of always
//     guessing a draw.
#include "engine/pattern_eval.h"
#include "engine/search.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace tarvo::engine;

struct Sample {
    Position position;
    int score; // the final disc difference for the side to move
    bool exact;
};

std::vector<Sample> ReadSamples(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        std::cerr << "train_eval: cannot read " << path << "\n";
        std::exit(1);
    }
    std::vector<Sample> samples;
    std::string line;
    while (std::getline(in, line)) {
        unsigned long long mine = 0;
        unsigned long long theirs = 0;
        int score = 0;
        int exact = 0;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (std::sscanf(line.c_str(), "%llx %llx %d %d", &mine, &theirs, &score, &exact) != 4) {
            std::cerr << "train_eval: " << path << ": not a position: " << line << "\n";
            std::exit(1);
        }
        samples.push_back({{mine, theirs}, score, exact != 0});
    }
    return samples;
}

// The weights in `path`, or none after saying why.
std::optional<PatternWeights> Load(const std::string& path) {
    std::string error;
    std::optional<PatternWeights> weights = LoadWeights(path, error);
    if (!weights) {
        std::cerr << "train_eval: " << error << "\n";
    }
    return weights;
}

// Writes the weights to `out` whole or not at all.
bool Write(const PatternWeights& weights, const std::string& out) {
    const std::string temporary = out + ".new";
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file << weights.Serialize() << std::flush;
    file.close();
    if (!file) {
        std::cerr << "train_eval: cannot write " << temporary << "\n";
        return false;
    }
    std::filesystem::rename(temporary, out);
    return true;
}

int RandomMove(const Position& p, std::mt19937& rng) {
    Bits moves = Moves(p);
    for (auto skip = rng() % static_cast<unsigned>(Count(moves)); skip > 0; --skip) {
        moves &= moves - 1;
    }
    return std::countr_zero(moves);
}

// How a game's moves before the exact solver are chosen.
struct Style {
    int fewestRandom; // random moves that open the game, from this many
    int mostRandom;   // to this many
    unsigned wander;  // later a random move one time in this many, or never for 0
};
constexpr Style kWandering{2, 10, 5};
constexpr Style kSteady{10, 14, 0};

// One game's positions with a move to make, and their results.
std::vector<Sample> PlayGame(std::mt19937& rng, const Style& style, int exactFrom,
                             const PatternWeights* weights, Searcher& searcher) {
    const std::atomic<bool> go{false};
    const int randomPlies =
        style.fewestRandom +
        static_cast<int>(rng() % static_cast<unsigned>(style.mostRandom - style.fewestRandom + 1));
    std::vector<Sample> samples;
    Position p = Opening();
    // Whether black was to move at each sample, to count the game's result
    // from that side at the end.
    std::vector<bool> blackToMove;
    bool black = true;
    for (int ply = 0;; ++ply) {
        if (Moves(p) == 0) {
            if (Moves(p.theirs, p.mine) == 0) {
                break;
            }
            p = Pass(p);
            black = !black;
            continue;
        }
        int cell = 0;
        // Random moves now and then show the evaluation positions after
        // mistakes as well, which a search has to judge.
        if (ply < randomPlies ||
            (p.Empties() > exactFrom && style.wander != 0 && rng() % style.wander == 0)) {
            cell = RandomMove(p, rng);
        } else if (p.Empties() > exactFrom) {
            Limits limits{4, {}, 0};
            limits.weights = weights;
            cell = searcher.Search(p, limits, go).cell;
        } else {
            const Result solved = searcher.Solve(p, go);
            samples.push_back({p, solved.score, true});
            blackToMove.push_back(black);
            cell = solved.cell;
        }
        if (ply >= randomPlies && p.Empties() > exactFrom) {
            samples.push_back({p, 0, false});
            blackToMove.push_back(black);
        }
        p = Play(p, cell);
        black = !black;
    }
    const int difference = Count(p.mine) - Count(p.theirs);
    const int empties = p.Empties();
    const int final = difference > 0   ? difference + empties
                      : difference < 0 ? difference - empties
                                       : 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (!samples[i].exact) {
            samples[i].score = blackToMove[i] == black ? final : -final;
        }
    }
    return samples;
}

// The number of games in `path` already, cutting off a game written only in part.
int GamesDone(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    int games = 0;
    std::streamoff end = 0;
    while (std::getline(in, line)) {
        if (line.rfind("# game ", 0) == 0) {
            games = std::atoi(line.c_str() + 7) + 1;
            end = in.tellg();
        }
    }
    in.close();
    if (std::filesystem::exists(path)) {
        std::filesystem::resize_file(path, static_cast<std::uintmax_t>(end));
    }
    return games;
}

int Generate(const std::string& out, const Style& style, unsigned seed, int games, int exactFrom,
             const PatternWeights* weights) {
    std::ofstream file(out, std::ios::app);
    for (int game = GamesDone(out); game < games; ++game) {
        // A fresh table for each game, so that it is played the same however
        // the run was interrupted.
        Searcher searcher;
        std::mt19937 rng(seed * 1'000'003U + static_cast<unsigned>(game));
        std::ostringstream text;
        for (const Sample& s : PlayGame(rng, style, exactFrom, weights, searcher)) {
            char line[64];
            std::snprintf(line, sizeof line, "%016llx %016llx %d %d\n",
                          static_cast<unsigned long long>(s.position.mine),
                          static_cast<unsigned long long>(s.position.theirs), s.score,
                          s.exact ? 1 : 0);
            text << line;
        }
        text << "# game " << game << "\n";
        file << text.str() << std::flush;
        if (!file) {
            std::cerr << "train_eval: cannot write " << out << "\n";
            return 1;
        }
    }
    return 0;
}

// Ridge regression (least squares with a penalty on each weight's square,
// which keeps weights that few positions use near zero), solved by conjugate
// gradients with each weight scaled by how often it is used. Each position
// counts in all eight of its turned and mirrored forms.
//
// A phase is fitted to its own positions and, where every label is exact, to
// those of the next empty cells either side. The results of the self-play
// games before the solver took over are poor labels, for a short search
// played them: such a position is labelled instead by a search down to the
// phase below, whose weights are fitted already. A phase with such positions
// is fitted to those of the four empty cells below it and the one above too:
// on games held apart it gains more from their number than it loses to their
// being another phase's, and a wider window does worse.
void FitPhase(const std::vector<Sample>& samples, int phase, PatternWeights& weights) {
    std::vector<FeatureIndices> features;
    std::vector<double> targets;
    const int first = phase * kPhaseEmpties;
    const int last = first + kPhaseEmpties - 1;
    const bool searched = std::any_of(samples.begin(), samples.end(), [&](const Sample& s) {
        return !s.exact && s.position.Empties() >= first && s.position.Empties() <= last;
    });
    const int low = searched ? first - 4 : first - 2;
    const int high = searched ? last + 1 : last + 2;
    Searcher searcher;
    const std::atomic<bool> go{false};
    for (const Sample& s : samples) {
        const int empties = s.position.Empties();
        if (empties < low || empties > high) {
            continue;
        }
        double target = s.score;
        if (!s.exact && phase > 0) {
            Limits limits{std::max(empties - first + 1, 1), {}, 0};
            limits.weights = &weights;
            target = static_cast<double>(searcher.Search(s.position, limits, go).score) / kEvalUnit;
        }
        for (int symmetry = 0; symmetry < 8; ++symmetry) {
            features.push_back(Features(Symmetric(s.position, symmetry)));
            targets.push_back(target);
        }
    }
    std::int16_t* out = weights.Phase(phase);
    const auto size = static_cast<std::size_t>(WeightsPerPhase());
    constexpr double kPenalty = 64;
    std::vector<double> diagonal(size, kPenalty);
    for (const FeatureIndices& f : features) {
        for (const int i : f) {
            ++diagonal[static_cast<std::size_t>(i)];
        }
    }
    // (XᵀX + penalty) v, X having a row of ones for each position's features.
    std::vector<double> rows(features.size());
    const auto apply = [&](const std::vector<double>& v, std::vector<double>& result) {
        for (std::size_t n = 0; n < features.size(); ++n) {
            double sum = 0;
            for (const int i : features[n]) {
                sum += v[static_cast<std::size_t>(i)];
            }
            rows[n] = sum;
        }
        for (std::size_t i = 0; i < size; ++i) {
            result[i] = kPenalty * v[i];
        }
        for (std::size_t n = 0; n < features.size(); ++n) {
            for (const int i : features[n]) {
                result[static_cast<std::size_t>(i)] += rows[n];
            }
        }
    };
    std::vector<double> w(size);
    std::vector<double> residual(size); // Xᵀy - (XᵀX + penalty) w, with w = 0
    for (std::size_t n = 0; n < features.size(); ++n) {
        for (const int i : features[n]) {
            residual[static_cast<std::size_t>(i)] += targets[n];
        }
    }
    std::vector<double> z(size);
    std::vector<double> direction(size);
    std::vector<double> product(size);
    double rz = 0;
    for (std::size_t i = 0; i < size; ++i) {
        z[i] = residual[i] / diagonal[i];
        direction[i] = z[i];
        rz += residual[i] * z[i];
    }
    for (int iteration = 0; iteration < 200 && rz > 1e-9; ++iteration) {
        apply(direction, product);
        double dAd = 0;
        for (std::size_t i = 0; i < size; ++i) {
            dAd += direction[i] * product[i];
        }
        const double step = rz / dAd;
        double next = 0;
        for (std::size_t i = 0; i < size; ++i) {
            w[i] += step * direction[i];
            residual[i] -= step * product[i];
            z[i] = residual[i] / diagonal[i];
            next += residual[i] * z[i];
        }
        for (std::size_t i = 0; i < size; ++i) {
            direction[i] = z[i] + next / rz * direction[i];
        }
        rz = next;
    }
    double error = 0;
    for (std::size_t n = 0; n < features.size(); ++n) {
        double predicted = 0;
        for (const int i : features[n]) {
            predicted += w[static_cast<std::size_t>(i)];
        }
        error += std::abs(targets[n] - predicted);
    }
    std::printf("phase %2d: %zu positions, mean error %.2f discs\n", phase, features.size() / 8,
                features.empty() ? 0.0 : error / static_cast<double>(features.size()));
    std::fflush(stdout);
    for (std::size_t i = 0; i < size; ++i) {
        out[i] =
            static_cast<std::int16_t>(std::clamp(std::lround(w[i] * kEvalUnit), -32767L, 32767L));
    }
}

int Fit(const std::string& out, const std::vector<std::string>& data) {
    std::vector<Sample> samples;
    for (const std::string& path : data) {
        std::vector<Sample> more = ReadSamples(path);
        samples.insert(samples.end(), more.begin(), more.end());
    }
    // The weights file holds the phases done so far, and the progress file their number.
    const std::string progress = out + ".progress";
    PatternWeights weights;
    int done = 0;
    if (std::ifstream in(progress); in >> done) {
        std::optional<PatternWeights> partial = Load(out);
        if (!partial) {
            return 1;
        }
        weights = *partial;
    }
    for (int phase = done; phase < kPhases; ++phase) {
        FitPhase(samples, phase, weights);
        if (!Write(weights, out)) {
            return 1;
        }
        std::ofstream(progress) << phase + 1 << "\n";
    }
    std::filesystem::remove(progress);
    return 0;
}

// The network corrects the weights where their error is largest, from 12
// to 27 empty cells: it is fitted to what they miss on the positions of 12
// to 24 by stochastic gradient descent (Adam) over minibatches. A search
// with a network labels positions better than one with the weights alone,
// so the network that ships is fitted a second time, to the labels of the
// first; a third time gains nothing. Two passes over the positions, the
// second with a smaller step: a third fits the games better but predicts
// others worse.
constexpr int kFirstNetworkPhase = 3;
constexpr int kLastNetworkPhase = 6;
constexpr int kNetworkLow = 12;
constexpr int kNetworkHigh = 24;
constexpr int kPasses = 2;
constexpr int kHeads = kLastNetworkPhase - kFirstNetworkPhase + 1;
constexpr std::size_t kBatch = 256;

struct NetworkSample {
    FeatureIndices features;
    float target; // the label less the weights' own estimate, in discs
    int head;
};

// The network's numbers as fitted, in floating point, with Adam's running
// averages of each one's gradient and its square.
struct Parameters {
    std::vector<float> values;
    std::vector<float> mean;
    std::vector<float> square;
    std::vector<float> gradient;
    explicit Parameters(std::size_t n) : values(n), mean(n), square(n), gradient(n) {}
};

struct Network {
    Parameters embeddings{static_cast<std::size_t>(WeightsPerPhase()) * kUnits};
    Parameters biases{kHeads * kUnits};
    Parameters weights{kHeads * kUnits};
    Parameters offsets{kHeads};
    long steps = 0;
    int passes = 0;

    std::array<Parameters*, 4> All() { return {&embeddings, &biases, &weights, &offsets}; }
};

float Leaky(float x) {
    return x >= 0 ? x : x / 128;
}

// The estimate for a sample, in discs; `sums` receives each unit's sum and bias.
float Forward(const Network& net, const NetworkSample& s, std::array<float, kUnits>& sums) {
    const auto head = static_cast<std::size_t>(s.head);
    float out = net.offsets.values[head];
    for (std::size_t u = 0; u < kUnits; ++u) {
        sums[u] = net.biases.values[head * kUnits + u];
    }
    for (const int index : s.features) {
        const auto i = static_cast<std::size_t>(index);
        for (std::size_t u = 0; u < kUnits; ++u) {
            sums[u] += net.embeddings.values[i * kUnits + u];
        }
    }
    for (std::size_t u = 0; u < kUnits; ++u) {
        out += net.weights.values[head * kUnits + u] * Leaky(sums[u]);
    }
    return out;
}

void Step(Parameters& p, std::size_t i, float rate, float unbiasMean, float unbiasSquare) {
    const float g = p.gradient[i];
    p.gradient[i] = 0;
    p.mean[i] = 0.9F * p.mean[i] + 0.1F * g;
    p.square[i] = 0.999F * p.square[i] + 0.001F * g * g;
    p.values[i] -=
        rate * (p.mean[i] / unbiasMean) / (std::sqrt(p.square[i] / unbiasSquare) + 1e-8F);
}

// One pass over the samples in an order fixed by its number.
double Pass(Network& net, const std::vector<NetworkSample>& samples, int pass) {
    std::vector<std::size_t> order(samples.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::mt19937 rng(static_cast<unsigned>(pass) + 1);
    std::shuffle(order.begin(), order.end(), rng);
    const float rate = pass == 0 ? 1e-3F : 2e-4F;
    std::vector<int> touched;
    std::vector<char> marked(static_cast<std::size_t>(WeightsPerPhase()));
    std::array<float, kUnits> sums{};
    double error = 0;
    for (std::size_t first = 0; first < samples.size(); first += kBatch) {
        const std::size_t end = std::min(samples.size(), first + kBatch);
        touched.clear();
        for (std::size_t n = first; n < end; ++n) {
            const NetworkSample& s = samples[order[n]];
            const float miss = Forward(net, s, sums) - s.target;
            error += std::abs(miss);
            const float d = 2 * miss / static_cast<float>(end - first);
            const auto head = static_cast<std::size_t>(s.head);
            net.offsets.gradient[head] += d;
            std::array<float, kUnits> dSums{};
            for (std::size_t u = 0; u < kUnits; ++u) {
                const std::size_t k = head * kUnits + u;
                net.weights.gradient[k] += d * Leaky(sums[u]);
                dSums[u] = d * net.weights.values[k] * (sums[u] >= 0 ? 1.0F : 1.0F / 128);
                net.biases.gradient[k] += dSums[u];
            }
            for (const int index : s.features) {
                const auto i = static_cast<std::size_t>(index);
                if (marked[i] == 0) {
                    marked[i] = 1;
                    touched.push_back(index);
                }
                for (std::size_t u = 0; u < kUnits; ++u) {
                    net.embeddings.gradient[i * kUnits + u] += dSums[u];
                }
            }
        }
        ++net.steps;
        const auto unbiasMean = static_cast<float>(1 - std::pow(0.9, net.steps));
        const auto unbiasSquare = static_cast<float>(1 - std::pow(0.999, net.steps));
        // Only the rows the batch used have gradients: the others keep their
        // running averages as they are, which is what keeps a rare pattern's
        // numbers from drifting.
        for (const int index : touched) {
            const auto i = static_cast<std::size_t>(index);
            marked[i] = 0;
            for (std::size_t u = 0; u < kUnits; ++u) {
                Step(net.embeddings, i * kUnits + u, rate, unbiasMean, unbiasSquare);
            }
        }
        for (Parameters* p : {&net.biases, &net.weights, &net.offsets}) {
            for (std::size_t i = 0; i < p->values.size(); ++i) {
                Step(*p, i, rate, unbiasMean, unbiasSquare);
            }
        }
    }
    return error / static_cast<double>(std::max<std::size_t>(samples.size(), 1));
}

bool Save(Network& net, const std::string& path) {
    const std::string temporary = path + ".new";
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(&net.steps), sizeof net.steps);
    file.write(reinterpret_cast<const char*>(&net.passes), sizeof net.passes);
    for (const Parameters* p : net.All()) {
        for (const std::vector<float>* v : {&p->values, &p->mean, &p->square}) {
            file.write(reinterpret_cast<const char*>(v->data()),
                       static_cast<std::streamsize>(v->size() * sizeof(float)));
        }
    }
    file.close();
    if (!file) {
        return false;
    }
    std::filesystem::rename(temporary, path);
    return true;
}

bool Restore(Network& net, const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    file.read(reinterpret_cast<char*>(&net.steps), sizeof net.steps);
    file.read(reinterpret_cast<char*>(&net.passes), sizeof net.passes);
    for (Parameters* p : net.All()) {
        for (std::vector<float>* v : {&p->values, &p->mean, &p->square}) {
            file.read(reinterpret_cast<char*>(v->data()),
                      static_cast<std::streamsize>(v->size() * sizeof(float)));
        }
    }
    return static_cast<bool>(file) && file.peek() == std::char_traits<char>::eof();
}

// The fitted network in the weights' integer form: each number a multiple
// of one scale, at most 127 of it.
void Quantize(const Network& net, PatternWeights& weights) {
    float largest = 0;
    for (const float e : net.embeddings.values) {
        largest = std::max(largest, std::abs(e));
    }
    const float scale = std::max(largest, 1e-6F) / 127;
    weights.AddNetwork(kFirstNetworkPhase, kLastNetworkPhase);
    for (int i = 0; i < WeightsPerPhase(); ++i) {
        for (std::size_t u = 0; u < kUnits; ++u) {
            weights.Embedding(i)[u] = static_cast<std::int8_t>(std::lround(
                net.embeddings.values[static_cast<std::size_t>(i) * kUnits + u] / scale));
        }
    }
    for (int phase = kFirstNetworkPhase; phase <= kLastNetworkPhase; ++phase) {
        const auto head = static_cast<std::size_t>(phase - kFirstNetworkPhase);
        for (std::size_t u = 0; u < kUnits; ++u) {
            weights.Head(phase).bias[u] = static_cast<std::int32_t>(
                std::lround(net.biases.values[head * kUnits + u] / scale));
            weights.Head(phase).weight[u] = static_cast<std::int32_t>(
                std::lround(net.weights.values[head * kUnits + u] * scale * kEvalUnit * 65536));
        }
        weights.Head(phase).offset =
            static_cast<std::int32_t>(std::lround(net.offsets.values[head] * kEvalUnit));
    }
}

// Each position's label: its exact result, or else a search down to 18 empty
// cells with `labeller`. The searches run on every processor core, each
// slice of positions with a table of its own, so that the labels are the
// same however many cores there are.
std::vector<float> Labels(const std::vector<Sample>& samples, const PatternWeights& labeller) {
    constexpr std::size_t kSlice = 4096;
    std::vector<float> labels(samples.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        const std::atomic<bool> go{false};
        for (std::size_t first = next.fetch_add(kSlice); first < samples.size();
             first = next.fetch_add(kSlice)) {
            Searcher searcher;
            for (std::size_t n = first; n < std::min(samples.size(), first + kSlice); ++n) {
                const Sample& s = samples[n];
                labels[n] = static_cast<float>(s.score);
                if (!s.exact) {
                    Limits limits{std::max(s.position.Empties() - 18, 1), {}, 0};
                    limits.weights = &labeller;
                    labels[n] = static_cast<float>(searcher.Search(s.position, limits, go).score) /
                                kEvalUnit;
                }
            }
        }
    };
    std::vector<std::thread> threads(std::max(std::thread::hardware_concurrency(), 1U) - 1);
    for (std::thread& t : threads) {
        t = std::thread(work);
    }
    work();
    for (std::thread& t : threads) {
        t.join();
    }
    return labels;
}

int FitNetwork(const std::string& out, const std::string& weightsPath,
               const std::optional<PatternWeights>& labeller,
               const std::vector<std::string>& data) {
    std::optional<PatternWeights> weights = Load(weightsPath);
    if (!weights) {
        return 1;
    }
    if (weights->HasNetwork(kFirstNetworkPhase)) {
        std::cerr << "train_eval: " << weightsPath << " has a network already\n";
        return 1;
    }
    std::vector<Sample> kept;
    for (const std::string& path : data) {
        for (const Sample& s : ReadSamples(path)) {
            if (s.position.Empties() >= kNetworkLow && s.position.Empties() <= kNetworkHigh) {
                kept.push_back(s);
            }
        }
    }
    const std::vector<float> labels = Labels(kept, labeller ? *labeller : *weights);
    std::vector<NetworkSample> samples;
    for (std::size_t n = 0; n < kept.size(); ++n) {
        for (int symmetry = 0; symmetry < 8; ++symmetry) {
            const Position p = Symmetric(kept[n].position, symmetry);
            samples.push_back({Features(p),
                               labels[n] - static_cast<float>(weights->Evaluate(p)) / kEvalUnit,
                               PhaseOf(kept[n].position.Empties()) - kFirstNetworkPhase});
        }
    }
    Network net;
    const std::string progress = out + ".progress";
    if (std::filesystem::exists(progress)) {
        if (!Restore(net, progress)) {
            std::cerr << "train_eval: " << progress << " is damaged\n";
            return 1;
        }
    } else {
        // Small random numbers, so that the units start out different; the
        // rows of features no position shows stay zero.
        std::vector<char> used(static_cast<std::size_t>(WeightsPerPhase()));
        for (const NetworkSample& s : samples) {
            for (const int index : s.features) {
                used[static_cast<std::size_t>(index)] = 1;
            }
        }
        std::mt19937 rng(1);
        std::normal_distribution<float> normal(0, 1);
        for (std::size_t i = 0; i < net.embeddings.values.size(); ++i) {
            net.embeddings.values[i] = used[i / kUnits] != 0 ? 0.05F * normal(rng) : 0;
        }
        for (float& w : net.weights.values) {
            w = 0.3F * normal(rng);
        }
    }
    while (net.passes < kPasses) {
        const double passError = Pass(net, samples, net.passes);
        ++net.passes;
        std::printf("network, pass %d: %zu positions, mean error %.2f discs\n", net.passes,
                    samples.size() / 8, passError);
        std::fflush(stdout);
        if (!Save(net, progress)) {
            std::cerr << "train_eval: cannot write " << progress << "\n";
            return 1;
        }
    }
    Quantize(net, *weights);
    if (!Write(*weights, out)) {
        return 1;
    }
    std::filesystem::remove(progress);
    return 0;
}

int Test(const std::string& weightsPath, const std::vector<std::string>& data, int low, int high) {
    const std::optional<PatternWeights> weights = Load(weightsPath);
    if (!weights) {
        return 1;
    }
    double total = 0;
    double draw = 0;
    int count = 0;
    for (const std::string& path : data) {
        for (const Sample& s : ReadSamples(path)) {
            const int empties = s.position.Empties();
            if (s.exact && empties >= low && empties <= high) {
                total += std::abs(static_cast<double>(weights->Evaluate(s.position)) / kEvalUnit -
                                  s.score);
                draw += std::abs(s.score);
                ++count;
            }
        }
    }
    const int n = std::max(count, 1);
    std::printf("%d positions at %d-%d empty cells: mean absolute error %.2f discs (guessing a "
                "draw: %.2f)\n",
                count, low, high, total / n, draw / n);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool steady = args.size() == 6 && args[0] == "play";
    if ((args.size() >= 4 && args.size() <= 6 && args[0] == "generate") || steady) {
        std::optional<PatternWeights> weights;
        if (args.size() == 6) {
            weights = Load(args[5]);
            if (!weights) {
                return 1;
            }
        }
        return Generate(args[1], steady ? kSteady : kWandering,
                        static_cast<unsigned>(std::stoul(args[2])), std::stoi(args[3]),
                        args.size() >= 5 ? std::stoi(args[4]) : 24, weights ? &*weights : nullptr);
    }
    if (args.size() >= 3 && args[0] == "fit") {
        return Fit(args[1], {args.begin() + 2, args.end()});
    }
    if (args.size() >= 4 && args[0] == "network") {
        const bool labelled = args[1] == "--labels";
        if (!labelled || args.size() >= 6) {
            std::optional<PatternWeights> labeller;
            if (labelled) {
                labeller = Load(args[2]);
                if (!labeller) {
                    return 1;
                }
            }
            const auto first = args.begin() + (labelled ? 3 : 1);
            return FitNetwork(first[0], first[1], labeller, {first + 2, args.end()});
        }
    }
    if (args.size() >= 3 && args[0] == "test") {
        const bool range = args[1] == "--empties";
        if (!range || args.size() >= 6) {
            const std::size_t first = range ? 4 : 1;
            return Test(args[first], {args.begin() + static_cast<long>(first) + 1, args.end()},
                        range ? std::stoi(args[2]) : 20, range ? std::stoi(args[3]) : 24);
        }
    }
    std::cerr << "usage: train_eval generate OUT SEED GAMES [EXACT [WEIGHTS]]\n"
                 "       train_eval play OUT SEED GAMES EXACT WEIGHTS\n"
                 "       train_eval fit OUT DATA...\n"
                 "       train_eval network [--labels LABELS] OUT WEIGHTS DATA...\n"
                 "       train_eval test [--empties LOW HIGH] WEIGHTS DATA...\n";
    return 2;
}
