#include "engine/range_coder.h"

namespace tarvo::engine {

namespace {

std::uint64_t ZigZag(std::int64_t n) {
    return n >= 0 ? static_cast<std::uint64_t>(n) * 2
                  : static_cast<std::uint64_t>(-(n + 1)) * 2 + 1;
}

std::int64_t UnZigZag(std::uint64_t n) {
    return (n & 1) != 0 ? -static_cast<std::int64_t>(n / 2) - 1 : static_cast<std::int64_t>(n / 2);
}

} // namespace

NumberModel::NumberModel() {
    length.fill(kEvenChance);
    for (auto& row : bits) {
        row.fill(kEvenChance);
    }
}

void RangeEncoder::PutBit(BitModel& model, bool bit) {
    const std::uint32_t bound = (range_ >> kModelBits) * model;
    if (bit) {
        low_ += bound;
        range_ -= bound;
    } else {
        range_ = bound;
    }
    Adapt(model, bit);
    while (range_ < kTop) {
        range_ <<= 8;
        ShiftLow();
    }
}

// A number n ≥ 1 (the zigzagged value plus one) as the count of its bits
// after the leading one, in unary, then those bits.
void RangeEncoder::Put(NumberModel& model, std::int64_t value) {
    const std::uint64_t n = ZigZag(value) + 1;
    int length = 0;
    while (n >> (length + 1) != 0) {
        ++length;
    }
    for (int i = 0; i < length; ++i) {
        PutBit(model.length[static_cast<std::size_t>(i)], true);
    }
    PutBit(model.length[static_cast<std::size_t>(length)], false);
    for (int i = length - 1; i >= 0; --i) {
        PutBit(model.bits[static_cast<std::size_t>(length)][static_cast<std::size_t>(i)],
               (n >> i & 1) != 0);
    }
}

// A carry out of `low_` reaches bytes already settled, so a byte is held
// back, with any 0xff bytes after it, until no carry can change it.
void RangeEncoder::ShiftLow() {
    if (low_ < 0xff000000ULL || low_ >= 0x100000000ULL) {
        const auto carry = static_cast<std::uint8_t>(low_ >> 32);
        std::uint8_t held = cache_;
        for (; pending_ > 0; --pending_) {
            out_.push_back(static_cast<char>(static_cast<std::uint8_t>(held + carry)));
            held = 0xff;
        }
        cache_ = static_cast<std::uint8_t>(low_ >> 24);
    }
    ++pending_;
    low_ = (low_ & 0x00ffffffULL) << 8;
}

std::string RangeEncoder::Finish() {
    for (int i = 0; i < 5; ++i) {
        ShiftLow();
    }
    return std::move(out_);
}

RangeDecoder::RangeDecoder(const std::string& in) : in_(in) {
    for (int i = 0; i < 5; ++i) {
        Next();
    }
}

std::int64_t RangeDecoder::Get(NumberModel& model) {
    int length = 0;
    while (GetBit(model.length[static_cast<std::size_t>(length)])) {
        if (++length == NumberModel::kMaxLength) {
            damaged_ = true;
            return 0;
        }
    }
    std::uint64_t n = 1;
    for (int i = length - 1; i >= 0; --i) {
        n = n << 1 |
            (GetBit(model.bits[static_cast<std::size_t>(length)][static_cast<std::size_t>(i)]) ? 1
                                                                                               : 0);
    }
    return UnZigZag(n - 1);
}

} // namespace tarvo::engine
