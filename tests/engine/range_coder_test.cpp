#include "engine/range_coder.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace {

using tarvo::engine::BitModel;
using tarvo::engine::kEvenChance;
using tarvo::engine::NumberModel;
using tarvo::engine::RangeDecoder;
using tarvo::engine::RangeEncoder;

// A flag and a number from one of three models: all zeros, small numbers,
// any 32-bit ones. The runs of zeros make the chances lopsided, which holds
// bytes back for a carry.
struct Item {
    bool flag;
    int model;
    std::int64_t value;
};

std::vector<Item> Items() {
    std::vector<Item> items;
    for (const std::int64_t value :
         {std::int64_t{0}, std::int64_t{1}, std::int64_t{-1}, std::int64_t{32767},
          std::int64_t{-32768}, std::int64_t{std::numeric_limits<std::int32_t>::max()},
          std::int64_t{std::numeric_limits<std::int32_t>::min()}}) {
        items.push_back({true, 2, value});
    }
    std::mt19937 rng(7);
    for (int i = 0; i < 60000; ++i) {
        const int model = i / 1000 % 3;
        const std::int64_t value = model == 0   ? 0
                                   : model == 1 ? static_cast<int>(rng() % 15) - 7
                                                : static_cast<std::int32_t>(rng());
        items.push_back({rng() % 8 == 0, model, value});
    }
    return items;
}

TEST(RangeCoder, NumbersComeBackAsTheyWentInAndNothingElseIsTakenForThem) {
    const std::vector<Item> items = Items();
    RangeEncoder encoder;
    std::vector<NumberModel> models(3);
    BitModel flag = kEvenChance;
    for (const Item& item : items) {
        encoder.PutBit(flag, item.flag);
        encoder.Put(models[static_cast<std::size_t>(item.model)], item.value);
    }
    const std::string bytes = encoder.Finish();
    EXPECT_LT(bytes.size(), 60000U * 2); // half of the numbers take 32 bits or more

    const auto decode = [&](const std::string& in) {
        RangeDecoder decoder(in);
        std::vector<NumberModel> read(3);
        BitModel readFlag = kEvenChance;
        std::size_t same = 0;
        for (const Item& item : items) {
            const bool f = decoder.GetBit(readFlag);
            const std::int64_t value = decoder.Get(read[static_cast<std::size_t>(item.model)]);
            same += f == item.flag && value == item.value ? 1 : 0;
        }
        return std::pair{same, decoder.Whole()};
    };
    EXPECT_EQ(decode(bytes), std::pair(items.size(), true));
    EXPECT_FALSE(decode(bytes.substr(0, bytes.size() - 1)).second);
    EXPECT_FALSE(decode(bytes + '\0').second);
}

TEST(RangeCoder, ANumberLongerThanAnyWrittenIsDamage) {
    const std::string ones(64, '\xff');
    RangeDecoder decoder(ones);
    NumberModel model;
    decoder.Get(model);
    EXPECT_FALSE(decoder.Whole());
}

} // namespace
