// Finding where the non-zeros of a row begin and end, word by word so that
// the scan runs over blocks; a negative zero counts as non-zero, so copies
// made between the two ends are exact to the bit.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace qm {

// The first entry of x[a..b] that is not +0, or b + 1.
inline int first_set(const float* x, int a, int b)
{
    constexpr int block = 16;
    for (; a + block - 1 <= b; a += block) {
        std::uint32_t w[block], any = 0;
        std::memcpy(w, x + a, sizeof w);
        for (int e = 0; e < block; ++e)
            any |= w[e];
        if (any != 0)
            break;
    }
    while (a <= b && std::bit_cast<std::uint32_t>(x[a]) == 0)
        ++a;
    return a;
}

// The last entry of x[a..b] that is not +0, or a - 1.
inline int last_set(const float* x, int a, int b)
{
    constexpr int block = 16;
    for (; b - block + 1 >= a; b -= block) {
        std::uint32_t w[block], any = 0;
        std::memcpy(w, x + b - block + 1, sizeof w);
        for (int e = 0; e < block; ++e)
            any |= w[e];
        if (any != 0)
            break;
    }
    while (b >= a && std::bit_cast<std::uint32_t>(x[b]) == 0)
        --b;
    return b;
}

} // namespace qm
