#include "game/random_source.h"

#include <cmath>

namespace tarvo {

float DefaultRandomSource::Next() {
    // The top 24 bits fill a float's mantissa exactly, so the result is below 1.
    return static_cast<float>(engine_() >> 8) * 0x1p-24f;
}

int16_t ChooseCandidate(int16_t bestCount, RandomSource& random) {
    if (bestCount <= 0) {
        return 0;
    }
    const double r = random.Next();
    return static_cast<int16_t>(std::floor(r * (bestCount + 1)));
}

} // namespace tarvo
