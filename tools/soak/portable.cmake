# The soak's files that need no Windows API (options, the plan, reading the simulator's records, the
# report). Include this file and add TB_SOAK_PORTABLE_SOURCES to a program.
set(TB_SOAK_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/sim_record.cpp
    ${CMAKE_CURRENT_LIST_DIR}/soak_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/soak_plan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/soak_report.cpp
)
