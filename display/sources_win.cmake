# Windows files of the segment display: the control, its painting and the drawing of glyphs.
list(APPEND TB_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/OffscreenDC.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SegmentDisplay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SegmentDisplayPaint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/glyph_draw.cpp
)
