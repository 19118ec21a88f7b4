// The executable's resources: the dialog template, the icon, the sounds and the version block.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "res/resource.h"

namespace {

std::vector<unsigned char> Resource(const char* type, UINT id) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (found == nullptr)
        return {};
    const auto* data = static_cast<const unsigned char*>(::LockResource(::LoadResource(module, found)));
    return std::vector<unsigned char>(data, data + ::SizeofResource(module, found));
}

// Reads the parts of an extended dialog template in order.
class TemplateReader {
public:
    explicit TemplateReader(const std::vector<unsigned char>& bytes) : m_bytes(bytes) {}
    WORD Word() {
        WORD value;
        std::memcpy(&value, &m_bytes.at(m_at), 2);
        m_at += 2;
        return value;
    }
    DWORD Dword() {
        DWORD value;
        std::memcpy(&value, &m_bytes.at(m_at), 4);
        m_at += 4;
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    // A string or an ordinal (0xFFFF followed by the ordinal), given back as text or "#ordinal".
    std::string NameOrOrdinal() {
        if (Peek() == 0xFFFF) {
            Word();
            return "#" + std::to_string(Word());
        }
        std::string text;
        for (WORD c = Word(); c != 0; c = Word())
            text += static_cast<char>(c);
        return text;
    }
    void AlignDword() { m_at = (m_at + 3) & ~static_cast<size_t>(3); }

private:
    WORD Peek() const {
        WORD value;
        std::memcpy(&value, &m_bytes.at(m_at), 2);
        return value;
    }
    const std::vector<unsigned char>& m_bytes;
    size_t m_at = 0;
};

struct ControlRow {
    int id;
    const char* windowClass;
    const char* text;
    short x, y, cx, cy;
    DWORD style;
};

}  // namespace

TEST(Resources, DialogTemplateMatchesTheLayout) {
    const std::vector<unsigned char> bytes = Resource(MAKEINTRESOURCEA(5), IDD_TALLYBURN_DIALOG);  // RT_DIALOG
    ASSERT_FALSE(bytes.empty());
    TemplateReader in(bytes);
    EXPECT_EQ(in.Word(), 1);       // version
    EXPECT_EQ(in.Word(), 0xFFFF);  // extended template
    in.Dword();                    // help id
    EXPECT_EQ(in.Dword(), 0x00040000u);
    EXPECT_EQ(in.Dword(), 0x90CA00C0u);
    const WORD count = in.Word();
    ASSERT_EQ(count, 6);
    EXPECT_EQ(in.Short(), 0);
    EXPECT_EQ(in.Short(), 0);
    EXPECT_EQ(in.Short(), 209);
    EXPECT_EQ(in.Short(), 190);
    EXPECT_EQ(in.NameOrOrdinal(), "");  // no menu
    EXPECT_EQ(in.NameOrOrdinal(), "");  // the standard dialog class
    EXPECT_EQ(in.NameOrOrdinal(), "Tallyburn 2.1");
    EXPECT_EQ(in.Word(), 8);         // points
    EXPECT_EQ(in.Word(), 0);         // weight: normal
    EXPECT_EQ(in.Word() & 0xFF, 0);  // not italic
    EXPECT_EQ(in.NameOrOrdinal(), "MS Sans Serif");

    const ControlRow expected[] = {
        {1001, "#128", "Run", 17, 126, 176, 49, 0x50010001},
        {1002, "#130", "", 64, 35, 82, 50, 0x50000007},
        {1003, "#128", "Clear", 152, 28, 50, 14, 0x50010000},
        {1004, "#128", "Allways on top", 7, 7, 64, 10, 0x50010003},
        {1005, "#130", "-:-", 77, 96, 55, 14, 0x50021201},
        {1006, "#128", "Erase chip", 7, 21, 50, 10, 0x50010003},
    };
    for (const ControlRow& row : expected) {
        in.AlignDword();
        in.Dword();  // help id
        EXPECT_EQ(in.Dword(), 0u) << row.id;
        EXPECT_EQ(in.Dword(), row.style) << row.id;
        EXPECT_EQ(in.Short(), row.x) << row.id;
        EXPECT_EQ(in.Short(), row.y) << row.id;
        EXPECT_EQ(in.Short(), row.cx) << row.id;
        EXPECT_EQ(in.Short(), row.cy) << row.id;
        EXPECT_EQ(static_cast<int>(in.Dword()), row.id);
        EXPECT_EQ(in.NameOrOrdinal(), row.windowClass) << row.id;
        EXPECT_EQ(in.NameOrOrdinal(), row.text) << row.id;
        EXPECT_EQ(in.Word(), 0) << row.id;  // no creation data
    }
}

TEST(Resources, SoundsAreMonoSixteenBitPcmOfTheRightLength) {
    const struct {
        UINT id;
        DWORD dataBytes;
    } sounds[] = {{IDR_WAVE_START, 7880}, {IDR_WAVE_FAILURE, 92506}};
    for (const auto& sound : sounds) {
        const std::vector<unsigned char> wave = Resource("WAVE", sound.id);
        ASSERT_GE(wave.size(), 44u) << sound.id;
        EXPECT_EQ(std::memcmp(wave.data(), "RIFF", 4), 0);
        EXPECT_EQ(std::memcmp(wave.data() + 8, "WAVEfmt ", 8), 0);
        WORD format, channels, bits;
        DWORD rate, dataSize;
        std::memcpy(&format, wave.data() + 20, 2);
        std::memcpy(&channels, wave.data() + 22, 2);
        std::memcpy(&rate, wave.data() + 24, 4);
        std::memcpy(&bits, wave.data() + 34, 2);
        EXPECT_EQ(std::memcmp(wave.data() + 36, "data", 4), 0);
        std::memcpy(&dataSize, wave.data() + 40, 4);
        EXPECT_EQ(format, 1) << "PCM";
        EXPECT_EQ(channels, 1);
        EXPECT_EQ(rate, 44100u);
        EXPECT_EQ(bits, 16);
        EXPECT_EQ(dataSize, sound.dataBytes) << sound.id;
        EXPECT_EQ(wave.size(), 44u + sound.dataBytes);
    }
}

TEST(Resources, IconIsOne32By32ImageInSixteenColours) {
    const std::vector<unsigned char> group = Resource(MAKEINTRESOURCEA(14), IDR_MAINFRAME);  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u + 14u);
    WORD count;
    std::memcpy(&count, group.data() + 4, 2);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(group[6], 32);
    EXPECT_EQ(group[7], 32);
    EXPECT_EQ(group[8], 16);
    WORD bits;
    std::memcpy(&bits, group.data() + 12, 2);
    EXPECT_EQ(bits, 4);
    HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    EXPECT_NE(icon, nullptr);
}

TEST(Resources, VersionBlockNamesTallyburn21) {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(::GetFileVersionInfoA(path, 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00020001u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020001u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));

    const struct {
        const char* name;
        const char* value;
    } strings[] = {{"FileDescription", "Tallyburn"},
                   {"InternalName", "Tallyburn"},
                   {"ProductName", "Tallyburn"},
                   {"OriginalFilename", "Tallyburn.EXE"},
                   {"FileVersion", "2, 1, 0, 0"},
                   {"ProductVersion", "2, 1, 0, 0"},
                   {"CompanyName", ""},
                   {"Comments", ""}};
    for (const auto& s : strings) {
        char* value = nullptr;
        UINT valueLength = 0;
        const std::string query = std::string("\\StringFileInfo\\040904B0\\") + s.name;
        ASSERT_TRUE(::VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &valueLength))
            << s.name;
        EXPECT_STREQ(value, s.value) << s.name;
    }
}

TEST(Resources, ManifestAsksForCommonControlsSix) {
    const std::vector<unsigned char> manifest = Resource(MAKEINTRESOURCEA(24), 1);  // RT_MANIFEST
    const std::string text(manifest.begin(), manifest.end());
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(text.find("processorArchitecture=\"amd64\""), std::string::npos);
}
