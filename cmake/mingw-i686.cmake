# Cross-compile for 32-bit Windows: the release build. It is built and linked here but not run
# (the machines have no 32-bit kernel support).
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
