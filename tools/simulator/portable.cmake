# The simulator's files that need no Windows API (argument and outcome parsing, titles and texts), for
# the native unit tests. Include this file and add TB_SIM_PORTABLE_SOURCES to the test program.
set(TB_SIM_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/outcome.cpp
    ${CMAKE_CURRENT_LIST_DIR}/outcome_script.cpp
    ${CMAKE_CURRENT_LIST_DIR}/outcome_windows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sim_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_util.cpp
)
