#pragma once
// Helpers of the segment display's drawing tests: a bitmap whose pixels can be read, where the segments of
// a glyph at three pixels per unit lie, and a paint that checks what it leaves selected.
#include <windows.h>

#include <algorithm>
#include <array>
#include <string>

#include "display/SegmentDisplay.h"

constexpr COLORREF kUntouched = RGB(1, 2, 3);  // a colour no paint of these tests produces

// Centres and first outline points of the seven segments of one seven-segment glyph drawn at three pixels
// per design unit, which a display of 147 x 249 pixels does.
constexpr POINT kSegmentCentres[7] = {{72, 22}, {22, 71}, {121, 71}, {72, 123}, {22, 175}, {121, 175}, {72, 223}};
constexpr POINT kSegmentCorners[7] = {{15, 12}, {12, 18}, {132, 18}, {18, 123}, {12, 228}, {132, 228}, {15, 234}};

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
    COLORREF At(POINT p) const {
        ::GdiFlush();
        const DWORD c = m_bits[p.y * m_width + p.x];
        return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
    }

    // The number of pixels of another colour than c, and the smallest rectangle holding them all (left, top,
    // right and bottom inclusive; {width, height, -1, -1} when there are none).
    int Differing(COLORREF c, std::array<LONG, 4>* extent = nullptr) const {
        std::array<LONG, 4> r{m_width, m_height, -1, -1};
        int n = 0;
        for (LONG y = 0; y < m_height; ++y)
            for (LONG x = 0; x < m_width; ++x)
                if (At({x, y}) != c) {
                    ++n;
                    r = {std::min(r[0], x), std::min(r[1], y), std::max(r[2], x), std::max(r[3], y)};
                }
        if (extent != nullptr)
            *extent = r;
        return n;
    }

    CDC dc;

private:
    LONG m_width;
    LONG m_height;
    const DWORD* m_bits = nullptr;
    CBitmap m_bitmap;
    HGDIOBJ m_prior = nullptr;
};

// A paint must select every object of its own out of a context before the context is deleted (Windows
// cannot delete an object that is still selected and keeps it for good; Wine deletes it with the context,
// so nothing shows there), and leave the target's selection as it was. During a paint the linker's import
// slot of DeleteDC, through which every call of it in the program goes, leads to a recorder. On 32-bit
// Windows the symbol carries the stdcall decoration (the bytes of arguments).
#ifdef _WIN64
extern decltype(&::DeleteDC) imp_DeleteDC __asm__("__imp_DeleteDC");
#else
extern decltype(&::DeleteDC) imp_DeleteDC __asm__("__imp__DeleteDC@4");
#endif

inline std::array<HGDIOBJ, 3> Selected(HDC dc) {
    return {::GetCurrentObject(dc, OBJ_PEN), ::GetCurrentObject(dc, OBJ_BRUSH), ::GetCurrentObject(dc, OBJ_BITMAP)};
}

inline std::array<HGDIOBJ, 3> g_stockSelection;  // what a new context has selected
inline std::string g_paintFaults;

// Holds the recorder, and the real function while the slot is exchanged.
inline decltype(&::DeleteDC) g_deleteDC = [](HDC dc) WINAPI {
    if (Selected(dc) != g_stockSelection)
        g_paintFaults += "a context was deleted with an object of its own selected; ";
    return g_deleteDC(dc);
};

inline void ExchangeDeleteDC() {
    DWORD old = 0;
    ::VirtualProtect(&imp_DeleteDC, sizeof imp_DeleteDC, PAGE_READWRITE, &old);
    std::swap(imp_DeleteDC, g_deleteDC);
    ::VirtualProtect(&imp_DeleteDC, sizeof imp_DeleteDC, old, &old);
}

// Paints the display into the canvas; returns what the paint left selected that it should not have.
inline std::string WatchedPaint(CSegmentDisplay& display, Canvas& canvas, const CRect& client) {
    CDC fresh;
    fresh.CreateCompatibleDC(nullptr);
    g_stockSelection = Selected(fresh.m_hDC);
    g_paintFaults.clear();
    const auto before = Selected(canvas.dc.m_hDC);
    ExchangeDeleteDC();
    display.Paint(canvas.dc, client);
    ExchangeDeleteDC();
    if (Selected(canvas.dc.m_hDC) != before)
        g_paintFaults += "the target's selection changed; ";
    return g_paintFaults;
}
