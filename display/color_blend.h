#pragma once

#include <cstdint>

// Outline pen colour: each channel of 0x00BBGGRR is truncate(background * 0.25 + colour * 0.75),
// so an outline sits a quarter of the way from its segment's colour towards the background.
inline std::uint32_t BlendColor(std::uint32_t background, std::uint32_t colour) {
    std::uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const double bg = static_cast<double>((background >> shift) & 0xFFu);
        const double fg = static_cast<double>((colour >> shift) & 0xFFu);
        result |= static_cast<std::uint32_t>(bg * 0.25 + fg * 0.75) << shift;
    }
    return result;
}
