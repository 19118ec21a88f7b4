# Windows build (mingw-w64): the tool, the programmer simulator and the Windows tests.
enable_language(RC)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX STRICT)
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wall> $<$<COMPILE_LANGUAGE:CXX>:-Wextra>
                    $<$<COMPILE_LANGUAGE:CXX>:-ffp-contract=off>)
# One self-contained exe: nothing beyond the system's own DLLs.
add_link_options(-static -static-libgcc -static-libstdc++)

add_library(tallyburn_core STATIC ${TB_PORTABLE_SOURCES} ${TB_WIN_SOURCES})
target_include_directories(tallyburn_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tallyburn_core PUBLIC comctl32 winmm gdi32 user32 kernel32)

include(res/resources.cmake)

add_executable(Tallyburn WIN32 app/TallyburnMain.cpp framework/WinMain.cpp ${TB_RESOURCE_FILES})
target_link_libraries(Tallyburn PRIVATE tallyburn_core)
tb_add_resources(Tallyburn)

add_subdirectory(tools/simulator)
add_subdirectory(tools/remote)
add_subdirectory(tools/operator)
add_subdirectory(tools/soak)
add_subdirectory(tools/render)

option(TALLYBURN_TESTS "Build the Windows tests" ON)
if(TALLYBURN_TESTS)
    include(cmake/windows-tests.cmake)
endif()
