#include "display/char_set.h"

#include <cstdint>

#include "display/segment_style.h"

namespace {

// Index 0 is space, 1 to 10 the digits "0" to "9", 11 "-".
const std::uint8_t kSevenSegmentMasks[12] = {
    0x00, 0x77, 0x24, 0x5D, 0x6D, 0x2E, 0x6B, 0x7B, 0x25, 0x7F, 0x6F, 0x08,
};

// As the seven-segment table, followed by "A" to "Z" at 12 to 37.
const std::uint16_t kFourteenSegmentMasks[38] = {
    0x0000, 0x3F00, 0x1800, 0x36C0, 0x3CC0, 0x19C0, 0x2DC0, 0x2FC0, 0x3800, 0x3FC0,  // space, 0-8
    0x3DC0, 0x00C0,                                                                  // 9, -
    0x3BC0, 0x3CA1, 0x2700, 0x3C21, 0x27C0, 0x23C0, 0x2F80, 0x1BC0, 0x2421, 0x1E00,  // A-J
    0x0354, 0x0700, 0x1B06, 0x1B12, 0x3F00, 0x33C0, 0x3F10, 0x33D0, 0x2DC0, 0x2021,  // K-T
    0x1F00, 0x030C, 0x1B18, 0x001E, 0x11E0, 0x240C,                                  // U-Z
};

struct SymbolMask {
    char symbol;
    std::uint16_t mask;
};

const SymbolMask kSymbolMasks[] = {
    {'*', 0x00FF}, {'+', 0x00E1}, {'(', 0x0014}, {')', 0x000A}, {'\\', 0x0012}, {'/', 0x000C}, {'\'', 0x0001},
};

const std::uint8_t kDotMasks[2] = {0x4, 0x3};  // ".", ":"

std::unique_ptr<CGlyph> Fourteen() {
    return std::make_unique<CFourteenSegmentGlyph>();
}

}  // namespace

std::unique_ptr<CGlyph> CharToGlyph(unsigned style, char c) {
    std::unique_ptr<CGlyph> glyph;
    unsigned mask = 0;
    if ((c >= '0' && c <= '9') || c == ' ' || c == '-') {
        const int index = c == ' ' ? 0 : c == '-' ? 11 : c - '0' + 1;
        if ((style & SDS_SEGMENT14_DIGITS) != 0) {
            glyph = Fourteen();
            mask = kFourteenSegmentMasks[index];
        } else {
            glyph = std::make_unique<CSevenSegmentGlyph>();
            mask = kSevenSegmentMasks[index];
        }
    } else if (c >= 'A' && c <= 'Z') {
        glyph = Fourteen();
        mask = kFourteenSegmentMasks[12 + (c - 'A')];
    } else if (c == '.' || c == ':') {
        glyph = std::make_unique<CDotGlyph>();
        mask = kDotMasks[c == '.' ? 0 : 1];
    } else {
        for (const SymbolMask& symbol : kSymbolMasks) {
            if (symbol.symbol == c) {
                glyph = Fourteen();
                mask = symbol.mask;
                break;
            }
        }
        if (!glyph) {
            return nullptr;
        }
    }
    glyph->SetMask(mask, style);
    return glyph;
}
