# Cross-compile for 32-bit Windows: the release build. ctest runs its tests under Wine with the
# 32-bit loader, in the build tree's own Wine prefix.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TALLYBURN_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TALLYBURN_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALLYBURN_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TALLYBURN_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TALLYBURN_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine.sh --prefix ${CMAKE_BINARY_DIR}/wineprefix
                                  --loader /usr/lib/wine/wine)
