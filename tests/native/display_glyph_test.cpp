#include <gtest/gtest.h>

#include <memory>
#include <type_traits>
#include <typeinfo>

#include "display/glyph.h"
#include "display/segment_style.h"
#include "display_recording_sink.h"

static_assert(std::has_virtual_destructor_v<CGlyph>, "glyphs are deleted through CGlyph pointers");

namespace {
const GlyphRect kRect{10.25, 3.5, 70.75, 120.0};
}

TEST(Glyph, KindsAndSetMask) {
    CGlyph base;
    CSevenSegmentGlyph seven;
    CFourteenSegmentGlyph fourteen;
    CDotGlyph dot;
    EXPECT_EQ(base.GetWidth(), 49);
    EXPECT_EQ(seven.GetWidth(), 49);
    EXPECT_EQ(fourteen.GetWidth(), 49);
    EXPECT_EQ(dot.GetWidth(), 18);
    EXPECT_EQ(seven.GetSegments().GetSize(), 0);  // no outlines before SetMask

    seven.SetMask(0x12345678u, SDS_LIT_ONLY | SDS_ROUNDED_OUTLINE);
    seven.SetMask(0xABCD0024u, SDS_LIT_ONLY);
    EXPECT_EQ(seven.GetSegments().GetSize(), 7);  // rebuilt, not appended
    EXPECT_EQ(seven.GetMask(), 0x0024);
    EXPECT_TRUE(seven.IsLitOnly());
    EXPECT_TRUE(seven.IsSegmentLit(2));
    EXPECT_TRUE(seven.IsSegmentLit(5));
    EXPECT_FALSE(seven.IsSegmentLit(0));
    EXPECT_FALSE(seven.IsSegmentLit(16));

    fourteen.SetMask(0xFFFF, 0);
    EXPECT_EQ(fourteen.GetSegments().GetSize(), 14);
    EXPECT_FALSE(fourteen.IsLitOnly());
    dot.SetMask(4, 0);
    EXPECT_EQ(dot.GetSegments().GetSize(), 3);
}

TEST(Glyph, OutlineSetFollowsStyle) {
    CSevenSegmentGlyph plain, rounded;
    plain.SetMask(0, 0);
    rounded.SetMask(0, SDS_ROUNDED_OUTLINE);
    EXPECT_NE(EmitGlyph(plain, kRect), EmitGlyph(rounded, kRect));

    CDotGlyph dotPlain, dotRounded;
    dotPlain.SetMask(0, 0);
    dotRounded.SetMask(0, SDS_ROUNDED_OUTLINE);
    EXPECT_EQ(EmitGlyph(dotPlain, kRect), EmitGlyph(dotRounded, kRect));
}

TEST(Glyph, CopyIsPlainGlyphDrawingTheSame) {
    CSevenSegmentGlyph seven;
    seven.SetMask(0x7F, SDS_ROUNDED_OUTLINE | SDS_LIT_ONLY);
    CGlyph copy(seven);
    EXPECT_EQ(typeid(copy), typeid(CGlyph));
    EXPECT_EQ(copy.GetWidth(), 49);
    EXPECT_EQ(copy.GetMask(), 0x7F);
    EXPECT_EQ(copy.GetSegmentCount(), 7);
    EXPECT_TRUE(copy.IsLitOnly());
    EXPECT_NE(copy.GetSegments()[0].GetPoints(), seven.GetSegments()[0].GetPoints());
    EXPECT_EQ(EmitGlyph(copy, kRect), EmitGlyph(seven, kRect));

    // The copy's SetMask is the base one: mask and flag change, outlines stay.
    const std::string before = EmitGlyph(copy, kRect);
    copy.SetMask(0x1, 0);
    EXPECT_EQ(copy.GetMask(), 0x1);
    EXPECT_FALSE(copy.IsLitOnly());
    EXPECT_EQ(EmitGlyph(copy, kRect), before);

    CGlyphList list;
    list.Add(seven);
    EXPECT_EQ(typeid(list[0]), typeid(CGlyph));
    EXPECT_EQ(EmitGlyph(list[0], kRect), EmitGlyph(seven, kRect));
}

TEST(Glyph, AssignmentKeepsTargetKind) {
    CFourteenSegmentGlyph fourteen;
    fourteen.SetMask(0x3F00, SDS_ROUNDED_OUTLINE);
    CSevenSegmentGlyph seven;
    seven.SetMask(0x7F, 0);
    CGlyph& target = seven;
    target = fourteen;
    EXPECT_EQ(typeid(target), typeid(CSevenSegmentGlyph));
    EXPECT_EQ(target.GetSegments().GetSize(), 14);
    EXPECT_EQ(target.GetMask(), 0x3F00);
    EXPECT_EQ(EmitGlyph(target, kRect), EmitGlyph(fourteen, kRect));

    // Its segment count is now 14, but a seven-segment glyph rebuilds only the seven it has outlines for.
    target.SetMask(0x7F, 0);
    EXPECT_EQ(target.GetSegments().GetSize(), 7);
}
