#pragma once
// Helpers of the segment display's drawing tests: a bitmap whose pixels can be read, and where a
// segment lands in a glyph's rectangle.
#include <windows.h>

#include <algorithm>
#include <cmath>

#include "display/glyph.h"
#include "framework/AfxWin.h"

// A top-down 32-bit DIB section selected into a memory context, filled with one colour at the start.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill) : m_width(width), m_height(height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        m_bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<const DWORD*>(bits);
        dc.CreateCompatibleDC(nullptr);
        m_prior = dc.SelectObject(&m_bitmap);
        const CRect all(0, 0, width, height);
        dc.FillSolidRect(&all, fill);
    }
    ~Canvas() { dc.SelectObject(m_prior); }

    // The pixel as a COLORREF (the DIB stores 0x00RRGGBB).
    COLORREF At(int x, int y) const {
        ::GdiFlush();
        const DWORD p = m_bits[y * m_width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    COLORREF At(POINT p) const { return At(p.x, p.y); }

    int Count(COLORREF color) const {
        int n = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                n += At(x, y) == color ? 1 : 0;
        return n;
    }

    // The smallest rectangle (right and bottom inclusive) holding every pixel not of the given colour.
    RECT Extent(COLORREF background) const {
        RECT r{m_width, m_height, -1, -1};
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (At(x, y) != background)
                    r = RECT{std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x),
                             std::max<LONG>(r.bottom, y)};
        return r;
    }

    CDC dc;

private:
    int m_width;
    int m_height;
    const DWORD* m_bits = nullptr;
    CBitmap m_bitmap;
    HGDIOBJ m_prior = nullptr;
};

// A design point of a glyph mapped into its rectangle, rounded to the nearest pixel.
inline POINT MapDesignPoint(const CGlyph& glyph, double x, double y, const GlyphRect& r) {
    return POINT{std::lround(x * (r.right - r.left) / glyph.GetWidth() + r.left),
                 std::lround(y * (r.bottom - r.top) / 83.0 + r.top)};
}

// The mean of a segment's outline points: inside the segment, away from its edges at a few pixels per unit.
inline POINT SegmentCentre(const CGlyph& glyph, int segment, const GlyphRect& r) {
    const CSegmentPath& path = glyph.GetSegments()[segment];
    double x = 0, y = 0;
    for (int i = 0; i < path.GetCount(); ++i) {
        x += path.GetPoints()[i].x;
        y += path.GetPoints()[i].y;
    }
    return MapDesignPoint(glyph, x / path.GetCount(), y / path.GetCount(), r);
}

// The first point of a segment's outline: a corner, so the outline pen covers it.
inline POINT SegmentCorner(const CGlyph& glyph, int segment, const GlyphRect& r) {
    const DesignPoint p = glyph.GetSegments()[segment].GetPoints()[0];
    return MapDesignPoint(glyph, p.x, p.y, r);
}
