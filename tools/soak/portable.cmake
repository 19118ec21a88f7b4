# The soak's files that need no Windows API (options, the random plan, reading simulator logs, the
# report), for the native unit tests. Include this file and add TB_SOAK_PORTABLE_SOURCES to the test program.
set(TB_SOAK_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/sim_log_tally.cpp
    ${CMAKE_CURRENT_LIST_DIR}/soak_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/soak_plan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/soak_report.cpp
)
