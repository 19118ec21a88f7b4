// The executable's resources as the window and the sounds use them. That they exist, their sizes and
// the version numbers are checked on both builds by tools/check-exe.sh.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tallyburn_version.h"

namespace {

std::vector<unsigned char> Resource(const char* type, UINT id) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (found == nullptr)
        return {};
    const auto* data = static_cast<const unsigned char*>(::LockResource(::LoadResource(module, found)));
    return std::vector<unsigned char>(data, data + ::SizeofResource(module, found));
}

// Reads an extended dialog template front to back.
struct TemplateReader {
    const std::vector<unsigned char>& bytes;
    size_t at = 0;
    unsigned Get(size_t size) {
        unsigned value = 0;
        std::memcpy(&value, &bytes.at(at), size);
        at += size;
        return value;
    }
    int Short() { return static_cast<short>(Get(2)); }
    // A string, or an ordinal given back as "#ordinal".
    std::string Name() {
        if (Get(2) == 0xFFFF)
            return "#" + std::to_string(Get(2));
        at -= 2;
        std::string text;
        for (unsigned c = Get(2); c != 0; c = Get(2))
            text += static_cast<char>(c);
        return text;
    }
};

}  // namespace

TEST(Resources, DialogTemplateHasTheWindowsStyleFontAndControlsInTabOrder) {
    const std::vector<unsigned char> bytes = Resource(MAKEINTRESOURCEA(5), IDD_TALLYBURN_DIALOG);  // RT_DIALOG
    ASSERT_FALSE(bytes.empty());
    TemplateReader in{bytes};
    EXPECT_EQ(in.Get(4), 0xFFFF0001u) << "extended template";
    in.Get(4);  // help id
    EXPECT_EQ(in.Get(4), 0x00040000u);
    EXPECT_EQ(in.Get(4), 0x90CA00C0u);
    ASSERT_EQ(in.Get(2), 6u);
    EXPECT_EQ((std::vector<int>{in.Short(), in.Short(), in.Short(), in.Short()}), (std::vector<int>{0, 0, 209, 190}));
    // Braced lists are read left to right: no menu, the standard dialog class, the caption.
    EXPECT_EQ((std::vector<std::string>{in.Name(), in.Name(), in.Name()}),
              (std::vector<std::string>{"", "", TALLYBURN_CAPTION}));
    EXPECT_EQ(in.Get(2), 8u) << "points";
    EXPECT_EQ(in.Get(2), 0u) << "weight: normal";
    EXPECT_EQ(in.Get(2) & 0xFF, 0u) << "not italic";
    EXPECT_EQ(in.Name(), "MS Sans Serif");

    const struct {
        unsigned id, style;
        int x, y, cx, cy;
        const char* kind;  // #128 button, #130 static
        const char* text;
    } controls[] = {
        {1001, 0x50010001, 17, 126, 176, 49, "#128", "Run"},
        {1002, 0x50000007, 64, 35, 82, 50, "#130", ""},
        {1003, 0x50010000, 152, 28, 50, 14, "#128", "Clear"},
        {1004, 0x50010003, 7, 7, 64, 10, "#128", "Allways on top"},
        {1005, 0x50021201, 77, 96, 55, 14, "#130", "-:-"},
        {1006, 0x50010003, 7, 21, 50, 10, "#128", "Erase chip"},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.id);
        in.at = (in.at + 3) & ~size_t{3};
        in.Get(4);  // help id
        EXPECT_EQ(in.Get(4), 0u);
        EXPECT_EQ(in.Get(4), c.style);
        EXPECT_EQ((std::vector<int>{in.Short(), in.Short(), in.Short(), in.Short()}),
                  (std::vector<int>{c.x, c.y, c.cx, c.cy}));
        EXPECT_EQ(in.Get(4), c.id);
        EXPECT_EQ(in.Name(), c.kind);
        EXPECT_EQ(in.Name(), c.text);
        EXPECT_EQ(in.Get(2), 0u) << "no creation data";
    }
}

TEST(Resources, SoundsAreMonoSixteenBitPcmAndTheIconIs32By32InSixteenColours) {
    for (UINT id : {IDR_WAVE_START, IDR_WAVE_FAILURE}) {
        const std::vector<unsigned char> wave = Resource("WAVE", id);
        ASSERT_GE(wave.size(), 44u) << id;
        EXPECT_EQ(std::string(wave.begin() + 8, wave.begin() + 16), "WAVEfmt ");
        TemplateReader in{wave, 20};
        EXPECT_EQ(in.Get(2), 1u) << "PCM";
        EXPECT_EQ(in.Get(2), 1u) << "mono";
        EXPECT_EQ(in.Get(4), 44100u);
        in.at = 34;
        EXPECT_EQ(in.Get(2), 16u) << "bits per sample";
    }
    const std::vector<unsigned char> group = Resource(MAKEINTRESOURCEA(14), IDR_MAINFRAME);  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 20u);
    EXPECT_EQ((std::vector<int>{group[4], group[6], group[7], group[8], group[12]}),
              (std::vector<int>{1, 32, 32, 16, 4}))
        << "one image, 32 x 32, 16 colours, 4 bits";
}

TEST(Resources, VersionStringsAndManifest) {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<char> block(::GetFileVersionInfoSizeA(path, &ignored));
    ASSERT_TRUE(::GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    const struct {
        const char* name;
        const char* value;
    } strings[] = {{"FileDescription", "Tallyburn"},
                   {"InternalName", "Tallyburn"},
                   {"ProductName", "Tallyburn"},
                   {"OriginalFilename", "Tallyburn.EXE"},
                   {"FileVersion", TALLYBURN_VERSION_BLOCK_TEXT},
                   {"ProductVersion", TALLYBURN_VERSION_BLOCK_TEXT},
                   {"CompanyName", ""},
                   {"Comments", ""}};
    for (const auto& s : strings) {
        char* value = nullptr;
        const std::string query = std::string("\\StringFileInfo\\040904B0\\") + s.name;
        ASSERT_TRUE(::VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) << s.name;
        EXPECT_STREQ(value, s.value) << s.name;
    }

    const std::vector<unsigned char> manifest = Resource(MAKEINTRESOURCEA(24), 1);  // RT_MANIFEST
    const std::string text(manifest.begin(), manifest.end());
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
}
