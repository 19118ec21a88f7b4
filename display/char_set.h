#pragma once

#include <memory>

#include "display/glyph.h"

// The glyph for one byte of the display text, built with its lit mask and the display's style word, or
// none for a byte without a glyph (lower-case letters included: the display upper-cases first).
std::unique_ptr<CGlyph> CharToGlyph(unsigned style, char c);
