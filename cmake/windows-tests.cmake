# GoogleTest built from Debian's sources with the cross compiler; ctest runs the tests through Wine
# (CMAKE_CROSSCOMPILING_EMULATOR). Tests are registered one suite each, read from the sources, so
# that nothing has to run at build time.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${TALLYBURN_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# tb_add_wine_tests(<target> <sources...>): one ctest entry per TEST/TEST_F suite found in the sources.
function(tb_add_wine_tests target)
    set(suites)
    foreach(src ${ARGN})
        file(STRINGS ${src} lines REGEX "^(TEST|TEST_F|TEST_P)\\(")
        foreach(line ${lines})
            string(REGEX REPLACE "^TEST(_F|_P)?\\(([A-Za-z0-9_]+),.*" "\\2" suite "${line}")
            list(APPEND suites ${suite})
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES suites)
    foreach(suite ${suites})
        add_test(NAME ${target}.${suite} COMMAND ${target} --gtest_filter=${suite}.*:*/${suite}.*)
        set_tests_properties(${target}.${suite} PROPERTIES TIMEOUT 300)
    endforeach()
endfunction()

# Helpers shared by the Windows test programs: temporary folders, fake seams, the dialog harness, and
# J-Flash in the test process, made with the simulator's windows.
file(GLOB TB_TEST_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(tallyburn_test_support STATIC ${TB_TEST_SUPPORT})
target_link_libraries(tallyburn_test_support PUBLIC tallyburn_core jflashsim GTest::gtest)

file(GLOB TB_WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
if(TB_WIN_TESTS)
    add_executable(tallyburn_win_tests ${TB_WIN_TESTS} ${TB_RESOURCE_FILES})
    target_link_libraries(tallyburn_win_tests PRIVATE tallyburn_test_support tallyburn_remote GTest::gmock version)
    tb_add_resources(tallyburn_win_tests)
    add_dependencies(tallyburn_win_tests JFlashSim)
    tb_add_wine_tests(tallyburn_win_tests ${TB_WIN_TESTS})
endif()

# Writes settings in a loop, for the test that ends it at random instants.
add_executable(SettingsWriter ${CMAKE_SOURCE_DIR}/tests/programs/settings_writer.cpp)
target_link_libraries(SettingsWriter PRIVATE tallyburn_core)

file(GLOB TB_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
if(TB_E2E_TESTS)
    add_executable(tallyburn_e2e_tests ${TB_E2E_TESTS})
    target_link_libraries(tallyburn_e2e_tests PRIVATE tallyburn_test_support tallyburn_remote GTest::gtest_main)
    add_dependencies(tallyburn_e2e_tests Tallyburn JFlashSim TallyburnReport SettingsWriter)
    tb_add_wine_tests(tallyburn_e2e_tests ${TB_E2E_TESTS})
endif()

file(GLOB TB_WIN_BENCHES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/bench/win_*.cpp)
foreach(bench ${TB_WIN_BENCHES})
    get_filename_component(name ${bench} NAME_WE)
    add_executable(${name} ${bench})
    target_link_libraries(${name} PRIVATE tallyburn_core)
endforeach()

# A short soak: Tallyburn.exe against the simulator's outcomes and programmer faults, every kind of
# cycle once (tools/soak.sh runs the long one).
add_test(NAME soak.short COMMAND TallyburnSoak --cycles 12 --seed 1)
set_tests_properties(soak.short PROPERTIES TIMEOUT 1200)
