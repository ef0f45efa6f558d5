#include "programming/RepeatTiming.h"

#include <algorithm>

namespace vorlan {

int KeyDelayMilliseconds(int position) {
    return (std::clamp(position, 0, 3) + 1) * 250;
}

int TypematicRateTenths(int position) {
    const int p = std::clamp(position, 0, 31);
    // The period in hundredths of a millisecond; rounded to the nearest tenth.
    const long period = static_cast<long>(8 + (p & 7)) * (1L << ((p >> 3) & 3)) * 417L;
    return static_cast<int>((1'000'000L + period / 2) / period);
}

} // namespace vorlan
