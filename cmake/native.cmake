# Host build of the code that needs no Windows API, tested under AddressSanitizer and UBSan.
set(TB_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
# No fused multiply-adds: the curve fit's results are compared bit for bit.
add_compile_options(-Wall -Wextra -ffp-contract=off ${TB_SANITIZE})
add_link_options(${TB_SANITIZE})

add_library(tallyburn_portable STATIC ${TB_PORTABLE_SOURCES})
target_include_directories(tallyburn_portable PUBLIC ${CMAKE_SOURCE_DIR})
add_subdirectory(tools/report)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB TB_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(tallyburn_native_tests ${TB_NATIVE_TESTS})
target_link_libraries(tallyburn_native_tests PRIVATE tallyburn_portable tallyburn_report GTest::gtest_main GTest::gmock)
include(GoogleTest)
gtest_discover_tests(tallyburn_native_tests DISCOVERY_TIMEOUT 60)

file(GLOB TB_NATIVE_BENCHES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/bench/native_*.cpp)
find_package(benchmark QUIET)
if(benchmark_FOUND AND TB_NATIVE_BENCHES)
    add_executable(tallyburn_native_bench ${TB_NATIVE_BENCHES})
    target_link_libraries(tallyburn_native_bench PRIVATE tallyburn_portable benchmark::benchmark_main)
endif()
