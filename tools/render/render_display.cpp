// RenderDisplay: draws a text on the segment display, as the control paints it, into a 32-bit bitmap
// and writes it to a .bmp file.
//
//   RenderDisplay <out.bmp> <width> <height> <text> [style [unlit lit [background]]]
//
// style is the display's style word and the colours are 0x00BBGGRR values; numbers may be decimal or
// 0x-prefixed hex. Defaults are the control's: style 0x14, unlit 0x003400, lit 0x00FF00, background black.
// Prints the text as the display shows it (upper-cased) and the number of glyphs.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "display/SegmentDisplay.h"
#include "framework/mbcs.h"

namespace {

unsigned long Number(const char* text) {
    return std::strtoul(text, nullptr, 0);
}

// Writes the pixels of a top-down 32-bit DIB as a bottom-up BMP file.
bool WriteBmp(const char* path, const DWORD* pixels, int width, int height) {
    const DWORD imageSize = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;
    BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, imageSize, 2835, 2835, 0, 0};
    FILE* out = std::fopen(path, "wb");
    if (out == nullptr)
        return false;
    bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info, sizeof info, 1, out) == 1;
    for (int y = height - 1; ok && y >= 0; --y)
        ok = std::fwrite(pixels + static_cast<size_t>(y) * width, 4, static_cast<size_t>(width), out) ==
             static_cast<size_t>(width);
    return std::fclose(out) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr,
                     "usage: RenderDisplay <out.bmp> <width> <height> <text> [style [unlit lit [background]]]\n");
        return 2;
    }
    mbcs::UseAnsiCodePage();
    const int width = static_cast<int>(Number(argv[2]));
    const int height = static_cast<int>(Number(argv[3]));
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192) {
        std::fprintf(stderr, "RenderDisplay: width and height must be 1 to 8192\n");
        return 2;
    }

    CSegmentDisplay display;
    display.m_text = argv[4];
    if (argc > 5)
        display.m_style = static_cast<UINT>(Number(argv[5]));
    if (argc > 7) {
        display.m_unlitColor = static_cast<COLORREF>(Number(argv[6]));
        display.m_litColor = static_cast<COLORREF>(Number(argv[7]));
    }
    if (argc > 8)
        display.m_backgroundColor = static_cast<COLORREF>(Number(argv[8]));

    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    CBitmap bitmap;
    bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    CDC dc;
    if (bitmap.m_hObject == nullptr || !dc.CreateCompatibleDC(nullptr)) {
        std::fprintf(stderr, "RenderDisplay: cannot create a %d x %d bitmap\n", width, height);
        return 1;
    }
    {
        ScopedSelect selection(dc, bitmap);
        display.Paint(dc, CRect(0, 0, width, height));
        ::GdiFlush();
    }
    if (!WriteBmp(argv[1], static_cast<const DWORD*>(bits), width, height)) {
        std::fprintf(stderr, "RenderDisplay: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: \"%s\", %d glyphs, %d x %d\n", argv[1], static_cast<const char*>(display.m_text),
                display.m_glyphs.GetSize(), width, height);
    return 0;
}
