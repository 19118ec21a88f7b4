#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <sstream>
#include <typeinfo>

#include "display/char_set.h"
#include "display/segment_style.h"

namespace {

// Lit segments per character, written out as segment numbers rather than masks, so a mistyped mask in the
// character tables does not go unnoticed.
struct Expected {
    char c;
    const char* segments;
};

const Expected kSeven[] = {
    {' ', ""},          {'0', "0 1 2 4 5 6"},   {'1', "2 5"},         {'2', "0 2 3 4 6"},
    {'3', "0 2 3 5 6"}, {'4', "1 2 3 5"},       {'5', "0 1 3 5 6"},   {'6', "0 1 3 4 5 6"},
    {'7', "0 2 5"},     {'8', "0 1 2 3 4 5 6"}, {'9', "0 1 2 3 5 6"}, {'-', "3"},
};

const Expected kFourteen[] = {
    {' ', ""},
    {'0', "8 9 10 11 12 13"},
    {'1', "11 12"},
    {'2', "6 7 9 10 12 13"},
    {'3', "6 7 10 11 12 13"},
    {'4', "6 7 8 11 12"},
    {'5', "6 7 8 10 11 13"},
    {'6', "6 7 8 9 10 11 13"},
    {'7', "11 12 13"},
    {'8', "6 7 8 9 10 11 12 13"},
    {'9', "6 7 8 10 11 12 13"},
    {'-', "6 7"},
    {'A', "6 7 8 9 11 12 13"},
    {'B', "0 5 7 10 11 12 13"},
    {'C', "8 9 10 13"},
    {'D', "0 5 10 11 12 13"},
    {'E', "6 7 8 9 10 13"},
    {'F', "6 7 8 9 13"},
    {'G', "7 8 9 10 11 13"},
    {'H', "6 7 8 9 11 12"},
    {'I', "0 5 10 13"},
    {'J', "9 10 11 12"},
    {'K', "2 4 6 8 9"},
    {'L', "8 9 10"},
    {'M', "1 2 8 9 11 12"},
    {'N', "1 4 8 9 11 12"},
    {'O', "8 9 10 11 12 13"},
    {'P', "6 7 8 9 12 13"},
    {'Q', "4 8 9 10 11 12 13"},
    {'R', "4 6 7 8 9 12 13"},
    {'S', "6 7 8 10 11 13"},
    {'T', "0 5 13"},
    {'U', "8 9 10 11 12"},
    {'V', "2 3 8 9"},
    {'W', "3 4 8 9 11 12"},
    {'X', "1 2 3 4"},
    {'Y', "5 6 7 8 12"},
    {'Z', "2 3 10 13"},
    {'*', "0 1 2 3 4 5 6 7"},
    {'+', "0 5 6 7"},
    {'(', "2 4"},
    {')', "1 3"},
    {'\\', "1 4"},
    {'/', "2 3"},
    {'\'', "0"},
};

const Expected kDots[] = {{'.', "2"}, {':', "0 1"}};

unsigned MaskOf(const char* segments) {
    std::istringstream in(segments);
    unsigned mask = 0;
    for (int s; in >> s;) {
        mask |= 1u << s;
    }
    return mask;
}

template <typename Kind>
void CheckAll(const Expected* table, std::size_t count, unsigned style, int segmentCount) {
    for (std::size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(testing::Message() << "character '" << table[i].c << "' style " << style);
        const auto glyph = CharToGlyph(style, table[i].c);
        ASSERT_TRUE(glyph);
        EXPECT_EQ(typeid(*glyph), typeid(Kind));
        EXPECT_EQ(glyph->GetMask(), MaskOf(table[i].segments));
        EXPECT_EQ(glyph->GetSegments().GetSize(), segmentCount);
    }
}

bool IsDigitLike(char c) {
    return (c >= '0' && c <= '9') || c == ' ' || c == '-';
}

}  // namespace

TEST(CharSet, EveryCharacterLightsItsSegments) {
    CheckAll<CSevenSegmentGlyph>(kSeven, std::size(kSeven), 0, 7);
    CheckAll<CFourteenSegmentGlyph>(kFourteen, std::size(kFourteen), SDS_SEGMENT14_DIGITS, 14);
    CheckAll<CDotGlyph>(kDots, std::size(kDots), SDS_SEGMENT14_DIGITS | SDS_ROUNDED_OUTLINE, 3);
    // Letters and symbols are fourteen-segment glyphs whatever the style.
    for (const Expected& e : kFourteen) {
        if (!IsDigitLike(e.c)) {
            CheckAll<CFourteenSegmentGlyph>(&e, 1, 0, 14);
        }
    }
}

TEST(CharSet, LookAlikesShareMasks) {
    const unsigned style = SDS_SEGMENT14_DIGITS;
    EXPECT_EQ(CharToGlyph(style, '0')->GetMask(), CharToGlyph(style, 'O')->GetMask());
    EXPECT_EQ(CharToGlyph(style, '5')->GetMask(), CharToGlyph(style, 'S')->GetMask());
    EXPECT_EQ(CharToGlyph(style, 'O')->GetMask(), 0x3F00);
}

TEST(CharSet, OtherBytesGiveNone) {
    std::set<int> supported;
    for (const Expected& e : kFourteen) {
        supported.insert(static_cast<unsigned char>(e.c));
    }
    supported.insert('.');
    supported.insert(':');
    for (int b = 0; b < 256; ++b) {
        const bool has = CharToGlyph(0x1F, static_cast<char>(b)) != nullptr;
        EXPECT_EQ(has, supported.count(b) == 1) << "byte " << b;
    }
}

TEST(CharSet, StyleReachesTheGlyph) {
    const auto litOnly = CharToGlyph(SDS_LIT_ONLY, '8');
    EXPECT_TRUE(litOnly->IsLitOnly());
    EXPECT_FALSE(CharToGlyph(0, '8')->IsLitOnly());
    // Rounded outlines have curve points, plain ones none.
    const auto rounded = CharToGlyph(SDS_ROUNDED_OUTLINE, 'A');
    const auto plain = CharToGlyph(0, 'A');
    EXPECT_GT(rounded->GetSegments()[13].GetCount(), plain->GetSegments()[13].GetCount());
}
