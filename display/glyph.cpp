#include "display/glyph.h"

#include <algorithm>
#include <vector>

#include "display/glyph_outlines.h"
#include "display/segment_style.h"

void CGlyph::SetMask(unsigned mask, unsigned style) {
    m_mask = static_cast<std::uint16_t>(mask & 0xFFFFu);
    m_litOnly = (style & SDS_LIT_ONLY) != 0 ? 1 : 0;
}

bool CGlyph::IsSegmentLit(int segment) const {
    return segment >= 0 && segment < 16 && (m_mask & (1u << segment)) != 0;
}

// Mirrored segments are made here from the stored outlines, with the centre line of this glyph's width.
// The number of segments is the glyph's segment count, but never more than the kind has recipes for: a
// kind that was assigned another kind's fields must not read past its own table.
void CGlyph::BuildSegments(const SegmentRecipe* recipes, int recipeCount, unsigned style) {
    m_segments.SetSize(0, -1);
    const bool rounded = (style & SDS_ROUNDED_OUTLINE) != 0;
    const int count = std::min(m_segmentCount, recipeCount);
    std::vector<DesignPoint> transformed;
    for (int i = 0; i < count; ++i) {
        const OutlineTable& table = rounded ? *recipes[i].rounded : *recipes[i].plain;
        const OutlineTransform transform = rounded ? recipes[i].roundedTransform : recipes[i].plainTransform;
        CSegmentPath path;
        if (transform == OutlineTransform::None) {
            path.Assign(table.points, table.types, table.count);
        } else {
            transformed.resize(static_cast<std::size_t>(table.count));
            for (int j = 0; j < table.count; ++j) {
                transformed[j] = TransformPoint(table.points[j], transform, m_width);
            }
            path.Assign(transformed.data(), table.types, table.count);
        }
        m_segments.Add(path);
    }
}

void CSevenSegmentGlyph::SetMask(unsigned mask, unsigned style) {
    BuildSegments(SevenSegmentRecipes, kSevenSegmentCount, style);
    CGlyph::SetMask(mask, style);
}

void CFourteenSegmentGlyph::SetMask(unsigned mask, unsigned style) {
    BuildSegments(FourteenSegmentRecipes, kFourteenSegmentCount, style);
    CGlyph::SetMask(mask, style);
}

// Dots have one outline set: the rounded style bit changes nothing.
void CDotGlyph::SetMask(unsigned mask, unsigned style) {
    BuildSegments(DotSegmentRecipes, kDotSegmentCount, style & ~SDS_ROUNDED_OUTLINE);
    CGlyph::SetMask(mask, style);
}
