// A paint creates exactly two pens and two brushes, deletes every GDI object it creates before it returns,
// and selects everything out of a context before the context is deleted. Wine's GetGuiResources counts nothing (it
// returns 0), so the test routes this program's import slots of the GDI functions that create and delete objects
// through recorders.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "display/SegmentDisplay.h"
#include "display/segment_style.h"
#include "tests/win/display_canvas.h"

// The linker's import slots: every call of these functions in the program goes through them. On 32-bit
// Windows their symbols carry the stdcall decoration (the bytes of arguments).
#ifdef _WIN64
#define IMPORT_SLOT(function, argumentBytes) extern decltype(&::function) imp_##function __asm__("__imp_" #function)
#else
#define IMPORT_SLOT(function, argumentBytes) \
    extern decltype(&::function) imp_##function __asm__("__imp__" #function "@" #argumentBytes)
#endif
IMPORT_SLOT(CreatePen, 12);
IMPORT_SLOT(CreateSolidBrush, 4);
IMPORT_SLOT(CreateCompatibleBitmap, 12);
IMPORT_SLOT(CreateCompatibleDC, 4);
IMPORT_SLOT(PathToRegion, 4);
IMPORT_SLOT(DeleteDC, 4);
IMPORT_SLOT(SetWindowRgn, 12);

namespace {

using Selection = std::array<HGDIOBJ, 3>;

Selection Selected(HDC dc) {
    return {::GetCurrentObject(dc, OBJ_PEN), ::GetCurrentObject(dc, OBJ_BRUSH), ::GetCurrentObject(dc, OBJ_BITMAP)};
}

struct Watch {
    std::map<HGDIOBJ, DWORD> created;   // with the object type
    std::set<HGDIOBJ> ownedByWindows;   // regions given to SetWindowRgn belong to the window
    std::map<HDC, Selection> contexts;  // live contexts and what they had selected at the start
    std::string faults;
    HGDIOBJ stockBitmap = nullptr;  // a new context's bitmap; also what a bitmap of no area is
} g_watch;

template <class H>
H Record(H object) {
    if (object != nullptr && object != g_watch.stockBitmap)
        g_watch.created[object] = ::GetObjectType(object);
    return object;
}

// Each holds its recorder, and the real function while the slots are exchanged.
decltype(&::CreatePen) g_createPen = [](int s, int w, COLORREF c) WINAPI { return Record(g_createPen(s, w, c)); };
decltype(&::CreateSolidBrush) g_createSolidBrush = [](COLORREF c) WINAPI { return Record(g_createSolidBrush(c)); };
decltype(&::CreateCompatibleBitmap) g_createBitmap = [](HDC dc, int w, int h) WINAPI {
    return Record(g_createBitmap(dc, w, h));
};
decltype(&::PathToRegion) g_pathToRegion = [](HDC dc) WINAPI { return Record(g_pathToRegion(dc)); };
decltype(&::CreateCompatibleDC) g_createDC = [](HDC dc) WINAPI {
    HDC created = Record(g_createDC(dc));
    if (created != nullptr)
        g_watch.contexts[created] = Selected(created);
    return created;
};
decltype(&::DeleteDC) g_deleteDC = [](HDC dc) WINAPI {
    const auto it = g_watch.contexts.find(dc);
    if (it != g_watch.contexts.end() && Selected(dc) != it->second)
        g_watch.faults += "context deleted with objects of ours selected; ";
    g_watch.contexts.erase(dc);
    return g_deleteDC(dc);
};
decltype(&::SetWindowRgn) g_setWindowRgn = [](HWND window, HRGN region, BOOL redraw) WINAPI {
    g_watch.ownedByWindows.insert(region);
    return g_setWindowRgn(window, region, redraw);
};

template <class F>
void Exchange(F& slot, F& other) {
    DWORD old = 0;
    ::VirtualProtect(&slot, sizeof slot, PAGE_READWRITE, &old);
    std::swap(slot, other);
    ::VirtualProtect(&slot, sizeof slot, old, &old);
}

void ExchangeSlots() {
    Exchange(imp_CreatePen, g_createPen);
    Exchange(imp_CreateSolidBrush, g_createSolidBrush);
    Exchange(imp_CreateCompatibleBitmap, g_createBitmap);
    Exchange(imp_PathToRegion, g_pathToRegion);
    Exchange(imp_CreateCompatibleDC, g_createDC);
    Exchange(imp_DeleteDC, g_deleteDC);
    Exchange(imp_SetWindowRgn, g_setWindowRgn);
}

// Runs one paint under the watch; returns what went wrong, empty when nothing did.
std::string Watched(HDC target, const std::function<void()>& paint) {
    CDC fresh;
    fresh.CreateCompatibleDC(nullptr);
    g_watch = Watch{};
    g_watch.stockBitmap = ::GetCurrentObject(fresh.m_hDC, OBJ_BITMAP);
    g_watch.contexts[target] = Selected(target);
    ExchangeSlots();
    paint();
    ExchangeSlots();
    if (Selected(target) != g_watch.contexts[target])
        g_watch.faults += "target's selection changed; ";
    int pens = 0, brushes = 0;
    for (const auto& [object, type] : g_watch.created) {
        if (g_watch.ownedByWindows.count(object) == 0 && ::GetObjectType(object) != 0)
            g_watch.faults += "object of type " + std::to_string(type) + " left; ";
        pens += type == OBJ_PEN ? 1 : 0;
        brushes += type == OBJ_BRUSH ? 1 : 0;
    }
    if (pens != 2 || brushes != 2)
        g_watch.faults += std::to_string(pens) + " pens and " + std::to_string(brushes) + " brushes; ";
    return g_watch.faults;
}

}  // namespace

TEST(DisplayRelease, EveryPaintReleasesWhatItCreated) {
    const UINT rounded14 = SDS_KEEP_ASPECT | SDS_BLEND_OUTLINE | SDS_ROUNDED_OUTLINE | SDS_SEGMENT14_DIGITS;
    const struct {
        const char* text;
        UINT style;
        CRect client;
    } cases[] = {
        {"TALLYBURN 2.1", rounded14, CRect(0, 0, 300, 60)},
        {"8.8:", SDS_KEEP_ASPECT | SDS_LIT_ONLY, CRect(0, 0, 300, 60)},
        {"", SDS_KEEP_ASPECT, CRect(0, 0, 300, 60)},
        {"88", SDS_KEEP_ASPECT, CRect(0, 0, 0, 60)},
    };
    Canvas canvas(300, 60, 0);
    for (const auto& c : cases) {
        CSegmentDisplay display;
        display.m_text = c.text;
        display.m_style = c.style;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(Watched(canvas.dc.m_hDC, [&] { display.Paint(canvas.dc, c.client); }), "") << c.text;
    }

    // A window in region mode, painted through WM_PAINT: the paint gives the window its shape.
    HWND window = ::CreateWindowExA(0, "STATIC", "12:34", WS_POPUP | WS_VISIBLE, 0, 0, 200, 60, nullptr, nullptr,
                                    nullptr, nullptr);
    CSegmentDisplay display;
    ASSERT_TRUE(display.SubclassWindow(window));
    display.m_regionMode = TRUE;
    display.m_style = rounded14;
    for (int i = 0; i < 3; ++i) {
        ::SetWindowRgn(window, nullptr, FALSE);
        EXPECT_EQ(
            Watched(canvas.dc.m_hDC, [&] { ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }),
            "");
        EXPECT_EQ(g_watch.ownedByWindows.size(), 1u);
    }
    ::DestroyWindow(window);
}
