// Times full paints of the segment display into a window, each beside one BitBlt of the same area
// measured in the same run: "000" in the default style at the main window's counter size, and
// "TALLYBURN 2.1" with the rounded fourteen-segment set at 600 x 120. Prints medians of many repetitions.
//
//   win_display_paint [repetitions-scale=1]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "display/SegmentDisplay.h"
#include "display/segment_style.h"
#include "tools/bench/bench_clock.h"

namespace {

struct Timing {
    double median;
    double p10;
    double p90;
};

// Times each call separately after a few unmeasured ones; milliseconds.
Timing Measure(int repetitions, const std::function<void()>& call) {
    for (int i = 0; i < 5; ++i)
        call();
    std::vector<double> samples(static_cast<size_t>(repetitions));
    for (double& sample : samples) {
        const double start = NowMs();
        call();
        ::GdiFlush();
        sample = NowMs() - start;
    }
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) { return samples[static_cast<size_t>(q * (samples.size() - 1))]; };
    return Timing{at(0.5), at(0.1), at(0.9)};
}

// The counter control is 82 x 50 dialog units in the main window, whose template uses 8-point
// "MS Sans Serif"; an empty dialog with the same font maps the units to pixels.
SIZE CounterControlSize() {
    std::vector<WORD> t(64, 0);
    DLGTEMPLATE* header = reinterpret_cast<DLGTEMPLATE*>(t.data());
    header->style = WS_POPUP | DS_SETFONT;
    size_t at = sizeof(DLGTEMPLATE) / sizeof(WORD) + 3;  // no menu, default class, empty title
    t[at++] = 8;
    for (const char* c = "MS Sans Serif"; *c != '\0'; ++c)
        t[at++] = static_cast<WORD>(*c);
    HWND dialog = ::CreateDialogIndirectParamA(
        nullptr, header, nullptr, [](HWND, UINT, WPARAM, LPARAM) CALLBACK -> INT_PTR { return FALSE; }, 0);
    RECT r{0, 0, 82, 50};
    ::MapDialogRect(dialog, &r);
    ::DestroyWindow(dialog);
    return SIZE{r.right, r.bottom};
}

void Report(const char* text, UINT style, int width, int height, double goalMs, int repetitions) {
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                                    nullptr, nullptr);
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&message);
    CSegmentDisplay display;
    display.m_text = text;
    display.m_style = style;
    CDC target;
    target.Attach(::GetDC(window));
    const CRect client(0, 0, width, height);

    // The reference: the single copy that ends every paint, from a compatible bitmap to the window.
    CDC memory;
    memory.CreateCompatibleDC(&target);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&target, width, height);
    const Timing blit = [&] {
        ScopedSelect selection(memory, bitmap);
        return Measure(repetitions * 4, [&] { target.BitBlt(0, 0, width, height, &memory, 0, 0, SRCCOPY); });
    }();
    const Timing paint = Measure(repetitions, [&] { display.Paint(target, client); });
    const Timing rebuilt = Measure(repetitions, [&] {
        display.m_stale = TRUE;
        display.Paint(target, client);
    });

    std::printf("\"%s\", style 0x%02X, %d x %d pixels, %d glyphs\n", text, style, width, height,
                display.m_glyphs.GetSize());
    std::printf("  paint           median %8.4f ms  (p10 %.4f, p90 %.4f)  = %6.1f BitBlts   goal < %g ms: %s\n",
                paint.median, paint.p10, paint.p90, paint.median / blit.median, goalMs,
                paint.median < goalMs ? "met" : "MISSED");
    std::printf("  paint, rebuilt  median %8.4f ms  (p10 %.4f, p90 %.4f)  = %6.1f BitBlts   (after a text change)\n",
                rebuilt.median, rebuilt.p10, rebuilt.p90, rebuilt.median / blit.median);
    std::printf("  one BitBlt      median %8.4f ms  (p10 %.4f, p90 %.4f)\n", blit.median, blit.p10, blit.p90);
    ::ReleaseDC(window, target.Detach());
    ::DestroyWindow(window);
}

}  // namespace

int main(int argc, char** argv) {
    const int scale = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const SIZE counter = CounterControlSize();
    std::printf("counter control 1002: 82 x 50 dialog units = %ld x %ld pixels\n", counter.cx, counter.cy);
    Report("000", SDS_KEEP_ASPECT | SDS_BLEND_OUTLINE, counter.cx, counter.cy, 1.0, 2000 * scale);
    Report("TALLYBURN 2.1", SDS_KEEP_ASPECT | SDS_BLEND_OUTLINE | SDS_ROUNDED_OUTLINE | SDS_SEGMENT14_DIGITS, 600, 120,
           16.0, 200 * scale);
    return 0;
}
