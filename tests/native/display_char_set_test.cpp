#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "display/char_set.h"
#include "display/segment_style.h"

namespace {

// A picture of glyphs as the display shows them: each cell is cut into a 5 x 5 grid, and every lit
// segment is drawn as a stroke in the grid square that holds the middle of its outline, so a picture
// checks the lit masks and where each segment's outline lies. Dots are drawn as "o". Between them the
// pictures below light every segment of the rounded seven-segment set and of both fourteen-segment sets.
std::string Picture(const std::vector<CGlyph>& glyphs) {
    static const char* const kStrokes[5] = {"  -  ", "|\\|/|", " --- ", "|/|\\|", "  -  "};
    std::string rows[5];
    for (const CGlyph& glyph : glyphs) {
        std::string cell[5] = {"     ", "     ", "     ", "     ", "     "};
        for (int s = 0; s < glyph.GetSegments().GetSize(); ++s) {
            const DesignPoint* p = glyph.GetSegments()[s].GetPoints();
            const int n = glyph.GetSegments()[s].GetCount();
            const auto x = std::minmax_element(p, p + n, [](DesignPoint a, DesignPoint b) { return a.x < b.x; });
            const auto y = std::minmax_element(p, p + n, [](DesignPoint a, DesignPoint b) { return a.y < b.y; });
            const int row = (y.first->y + y.second->y) * 5 / (2 * 83);
            const int column = (x.first->x + x.second->x) * 5 / (2 * glyph.GetWidth());
            if (glyph.IsSegmentLit(s))
                cell[row][column] = glyph.GetWidth() == 18 ? 'o' : kStrokes[row][column];
        }
        for (int r = 0; r < 5; ++r)
            rows[r] += (rows[r].empty() ? "" : " ") + cell[r];
    }
    std::string text;
    for (std::string& row : rows)
        text += "\n" + row.erase(row.find_last_not_of(' ') + 1);
    return text;
}

// The glyphs of a text whose every character has one.
std::vector<CGlyph> Glyphs(const char* text, unsigned style) {
    std::vector<CGlyph> glyphs;
    for (const char* c = text; *c; ++c)
        glyphs.push_back(*CharToGlyph(style, *c));
    return glyphs;
}

}  // namespace

TEST(CharSet, EveryCharacterShowsItsSegments) {
    const struct {
        const char* name;
        const char* text;
        unsigned style;
        const char* picture;
    } rows[] = {
        {"digits, space and minus as seven-segment glyphs", "0123456789 -", SDS_ROUNDED_OUTLINE, R"(
  -           -     -           -     -     -     -     -
|   |     |     |     | |   | |     |         | |   | |   |
              -     -     -     -     -           -     -           -
|   |     | |         |     |     | |   |     | |   |     |
  -           -     -           -     -           -     -)"},
        {"the same as fourteen-segment glyphs", "0123456789 -", SDS_SEGMENT14_DIGITS, R"(
  -           -     -           -     -     -     -     -
|   |     |     |     | |   | |     |         | |   | |   |
             - -   - -   - -   - -   - -         - -   - -         - -
|   |     | |         |     |     | |   |     | |   |     |
  -           -     -           -     -           -     -)"},
        {"letters A to M, fourteen segments whatever the style", "ABCDEFGHIJKLM", 0, R"(
  -     -     -     -     -     -     -           -
|   |   | | |       | | |     |     |     |   |   |       | |  /  |     |\ /|
 - -     -               - -   - -     -   - -               -
|   |   | | |       | | |     |     |   | |   |   |   |   | |  \  |     |   |
        -     -     -     -           -           -     -           -)"},
        {"letters N to Z", "NOPQRSTUVWXYZ", SDS_ROUNDED_OUTLINE, R"(
        -     -     -     -     -     -                                   -
|\  | |   | |   | |   | |   | |       |   |   | |  /  |   |  \ /  |   |    /
             - -         - -   - -                                 - -
|  \| |   | |     |  \| |  \      |   |   |   | |/    |/ \|  / \    |    /
        -           -           -           -                             -)"},
        {"symbols, decimal point and colon", "*+()\\/'.:", 0, R"(

 \|/    |      /   \     \       /    |           o
 - -   - -
 /|\    |      \   /       \   /                  o
                                            o)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Picture(Glyphs(row.text, row.style)), row.picture);
    }
}

TEST(CharSet, OtherBytesGiveNone) {
    const std::string supported = "0123456789 -ABCDEFGHIJKLMNOPQRSTUVWXYZ*+()\\/'.:";
    for (int b = 0; b < 256; ++b) {
        const bool has = CharToGlyph(0x1F, static_cast<char>(b)) != nullptr;
        EXPECT_EQ(has, b != 0 && supported.find(static_cast<char>(b)) != std::string::npos) << "byte " << b;
    }
}
