# Files of display/: portable ones (no Windows API) and Windows-only ones.
list(APPEND TB_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/bezier_fit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/glyph_outlines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/segment_path.cpp
    ${CMAKE_CURRENT_LIST_DIR}/glyph.cpp
    ${CMAKE_CURRENT_LIST_DIR}/char_set.cpp
    ${CMAKE_CURRENT_LIST_DIR}/row_layout.cpp
)
list(APPEND TB_WIN_SOURCES
)
