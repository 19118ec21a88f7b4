#pragma once

#include <cstdint>

#include "display/glyph_rect.h"
#include "display/segment_path.h"
#include "display/value_array.h"

class CDC;
class CPen;
class CBrush;
class CRgn;
struct SegmentRecipe;

// One character cell of the segment display: segment outlines in design units and a lit mask.
// Copying a glyph of any kind yields a plain CGlyph holding deep copies of the outlines; assigning keeps
// the target's kind.
class CGlyph {
public:
    CGlyph() = default;
    CGlyph(const CGlyph&) = default;
    CGlyph(CGlyph&&) noexcept = default;
    CGlyph& operator=(const CGlyph&) = default;
    CGlyph& operator=(CGlyph&&) noexcept = default;
    virtual ~CGlyph() = default;

    // Stores the low 16 bits of mask and the lit-only flag of style; a kind first rebuilds its outlines.
    virtual void SetMask(unsigned mask, unsigned style);

    int GetWidth() const { return m_width; }
    std::uint16_t GetMask() const { return m_mask; }
    const CSegmentList& GetSegments() const { return m_segments; }
    int GetSegmentCount() const { return m_segmentCount; }
    bool IsLitOnly() const { return m_litOnly != 0; }
    bool IsSegmentLit(int segment) const;

    // Fills and outlines every drawn segment in rect; adds their area to region if given. Defined in the
    // Windows build.
    void Draw(CDC& dc,
              const GlyphRect& rect,
              CPen& unlitPen,
              CPen& litPen,
              CBrush& unlitBrush,
              CBrush& litBrush,
              CRgn* region) const;

protected:
    CGlyph(int width, int segmentCount) : m_width(width), m_segmentCount(segmentCount) {}

    // Rebuilds m_segments from a kind's recipes for the outline set style selects.
    void BuildSegments(const SegmentRecipe* recipes, int recipeCount, unsigned style);

private:
    int m_width = 49;
    std::uint16_t m_mask = 0;
    CSegmentList m_segments;
    int m_segmentCount = 0;
    int m_litOnly = 0;
};

using CGlyphList = ValueArray<CGlyph>;

class CSevenSegmentGlyph : public CGlyph {
public:
    CSevenSegmentGlyph() : CGlyph(49, 7) {}
    void SetMask(unsigned mask, unsigned style) override;
};

class CFourteenSegmentGlyph : public CGlyph {
public:
    CFourteenSegmentGlyph() : CGlyph(49, 14) {}
    void SetMask(unsigned mask, unsigned style) override;
};

class CDotGlyph : public CGlyph {
public:
    CDotGlyph() : CGlyph(18, 3) {}
    void SetMask(unsigned mask, unsigned style) override;
};
