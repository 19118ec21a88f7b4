#include <gtest/gtest.h>

#include <type_traits>
#include <typeinfo>

#include "display/glyph.h"
#include "display/segment_style.h"
#include "display_recording_sink.h"

static_assert(std::has_virtual_destructor_v<CGlyph>, "glyphs are deleted through CGlyph pointers");

namespace {
const GlyphRect kRect{10.25, 3.5, 70.75, 120.0};
}

TEST(Glyph, SetMaskRebuildsTheOutlinesAndStoresTheMaskAndLitOnly) {
    CSevenSegmentGlyph seven;
    seven.SetMask(0x12345678u, SDS_LIT_ONLY | SDS_ROUNDED_OUTLINE);
    seven.SetMask(0xABCD0024u, ~SDS_LIT_ONLY);
    EXPECT_EQ(seven.GetSegments().GetSize(), 7);  // rebuilt, not appended
    EXPECT_EQ(seven.GetMask(), 0x0024);           // the high half is dropped
    EXPECT_FALSE(seven.IsLitOnly());
    seven.SetMask(0, SDS_LIT_ONLY);
    EXPECT_TRUE(seven.IsLitOnly());
}

TEST(Glyph, CopyIsAPlainGlyphDrawingTheSame) {
    CSevenSegmentGlyph seven;
    seven.SetMask(0x7F, SDS_ROUNDED_OUTLINE | SDS_LIT_ONLY);
    CGlyphList list;
    list.Add(seven);
    CGlyph& copy = list[0];
    EXPECT_EQ(typeid(copy), typeid(CGlyph));
    EXPECT_EQ(copy.GetMask(), 0x7F);
    EXPECT_TRUE(copy.IsLitOnly());
    const std::string drawn = EmitGlyph(seven, kRect);
    EXPECT_EQ(EmitGlyph(copy, kRect), drawn);

    // The copy's SetMask is the base one: mask and flag change, the outlines stay.
    copy.SetMask(0x1, 0);
    EXPECT_EQ(copy.GetMask(), 0x1);
    EXPECT_FALSE(copy.IsLitOnly());
    EXPECT_EQ(EmitGlyph(copy, kRect), drawn);
}
