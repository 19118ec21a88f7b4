# Windows build (mingw-w64): the tool, the programmer simulator and the Windows tests.
if(MSVC)
    message(FATAL_ERROR "Tallyburn builds with MinGW-w64 (GCC); MSVC is not supported")
endif()
enable_language(RC)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX STRICT)
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wall> $<$<COMPILE_LANGUAGE:CXX>:-Wextra>
                    $<$<COMPILE_LANGUAGE:CXX>:-ffp-contract=off>)
# One self-contained exe: nothing beyond the system's own DLLs.
add_link_options(-static -static-libgcc -static-libstdc++)

# The manifest names the processor the exe is built for, read from the compiler's target (a 32-bit
# MinGW on a 64-bit Windows still reports an AMD64 host); Windows refuses to start an exe whose
# manifest names another architecture or none.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(TALLYBURN_MANIFEST_ARCH x86)
    # The 32-bit compiler does floating point on the x87 unit by default; its extended precision
    # changes results that the display geometry compares exactly. SSE2, as on x86_64, computes
    # what the 64-bit build computes. Windows calls our window procedures with a stack aligned to
    # 4 bytes only, so functions realign it for SSE spills.
    add_compile_options(-msse2 -mfpmath=sse -mstackrealign)
elseif(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(TALLYBURN_MANIFEST_ARCH amd64)
else()
    message(FATAL_ERROR "Tallyburn: unknown pointer size '${CMAKE_SIZEOF_VOID_P}' of the target")
endif()

add_library(tallyburn_core STATIC ${TB_PORTABLE_SOURCES} ${TB_WIN_SOURCES})
target_include_directories(tallyburn_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tallyburn_core PUBLIC comctl32 winmm gdi32 user32 advapi32 kernel32)

include(res/resources.cmake)
target_include_directories(tallyburn_core PUBLIC ${TB_RES_OUT})  # tallyburn_version.h

add_executable(Tallyburn WIN32 app/TallyburnMain.cpp framework/WinMain.cpp ${TB_RESOURCE_FILES})
target_link_libraries(Tallyburn PRIVATE tallyburn_core)
tb_add_resources(Tallyburn)

add_subdirectory(tools/simulator)
add_subdirectory(tools/remote)
add_subdirectory(tools/operator)
add_subdirectory(tools/soak)
add_subdirectory(tools/render)
add_subdirectory(tools/report)

# What tools/package.sh ships: the tool, its report, the simulator for rehearsals on the line PC, and
# the guide.
install(TARGETS Tallyburn TallyburnReport RUNTIME DESTINATION .)
install(TARGETS JFlashSim RUNTIME DESTINATION rehearsal)
install(FILES docs/line-guide.md docs/line-guide.png DESTINATION .)

# The tests build GoogleTest from its sources (Debian's googletest package by default).
option(TALLYBURN_TESTS "Build the Windows tests" ON)
set(TALLYBURN_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the tests")
if(TALLYBURN_TESTS AND NOT EXISTS ${TALLYBURN_GOOGLETEST_DIR}/CMakeLists.txt)
    message(STATUS "Tallyburn: no GoogleTest sources in ${TALLYBURN_GOOGLETEST_DIR}; the tests are not built")
elseif(TALLYBURN_TESTS)
    include(cmake/windows-tests.cmake)
endif()
