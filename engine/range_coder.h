#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvo::engine {

// Numbers packed by an adaptive binary range coder: every bit is coded by
// how often it came up before in its place, so a weight near zero takes a
// few bits and a run of unused table rows almost none.
using BitModel = std::uint16_t; // the chance of a 0, in 1/2048

constexpr BitModel kEvenChance = 1024;
constexpr int kModelBits = 11;
constexpr int kAdaptShift = 5;
constexpr std::uint32_t kTop = 1U << 24;

// Moves a model a 32nd of the way towards the bit it saw.
inline void Adapt(BitModel& model, bool bit) {
    model = static_cast<BitModel>(bit ? model - (model >> kAdaptShift)
                                      : model + (((1U << kModelBits) - model) >> kAdaptShift));
}

// How the numbers of one kind have been: their lengths and the bits after
// their leading one.
struct NumberModel {
    // Lengths 0 to 32: a zigzagged 32-bit number, plus one, has at most 32
    // bits after its leading one.
    static constexpr int kMaxLength = 33;
    std::array<BitModel, kMaxLength> length;
    std::array<std::array<BitModel, kMaxLength>, kMaxLength> bits;
    NumberModel();
};

class RangeEncoder {
public:
    void PutBit(BitModel& model, bool bit);
    void Put(NumberModel& model, std::int64_t value);
    // The coded bytes; the encoder is spent after.
    std::string Finish();

private:
    void ShiftLow();

    std::string out_;
    std::uint64_t low_ = 0;
    std::uint32_t range_ = 0xffffffff;
    std::uint8_t cache_ = 0;
    std::size_t pending_ = 1;
};

class RangeDecoder {
public:
    explicit RangeDecoder(const std::string& in);
    bool GetBit(BitModel& model);
    std::int64_t Get(NumberModel& model);
    // Whether what was read is what an encoder wrote for it: no number too
    // long and every byte used, no more.
    bool Whole() const { return !damaged_ && at_ == in_.size(); }

private:
    void Next();

    const std::string& in_;
    std::size_t at_ = 0;
    std::uint32_t range_ = 0xffffffff;
    std::uint32_t code_ = 0;
    bool damaged_ = false;
};

inline void RangeDecoder::Next() {
    std::uint8_t byte = 0;
    if (at_ < in_.size()) {
        byte = static_cast<std::uint8_t>(in_[at_]);
    } else {
        damaged_ = true;
    }
    ++at_;
    code_ = code_ << 8 | byte;
}

inline bool RangeDecoder::GetBit(BitModel& model) {
    const std::uint32_t bound = (range_ >> kModelBits) * model;
    const bool bit = code_ >= bound;
    if (bit) {
        code_ -= bound;
        range_ -= bound;
    } else {
        range_ = bound;
    }
    Adapt(model, bit);
    while (range_ < kTop) {
        range_ <<= 8;
        Next();
    }
    return bit;
}

} // namespace tarvo::engine
