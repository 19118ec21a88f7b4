#pragma once

// Bits of the segment display's style word; bits 5 to 31 are ignored.
constexpr unsigned SDS_ROUNDED_OUTLINE = 0x01;   // build segments from the rounded outline set
constexpr unsigned SDS_SEGMENT14_DIGITS = 0x02;  // digits, space and "-" as fourteen-segment glyphs
constexpr unsigned SDS_KEEP_ASPECT = 0x04;       // one scale for both axes, row centred
constexpr unsigned SDS_LIT_ONLY = 0x08;          // unlit segments are not drawn
constexpr unsigned SDS_BLEND_OUTLINE = 0x10;     // outline pens mixed with the background colour
