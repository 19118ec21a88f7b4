# Programmer automation: probing J-Flash's windows, discovering it and the programming cycle.
list(APPEND TB_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/title_rules.cpp
)
list(APPEND TB_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CycleController.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgrammerDiscovery.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowProbe.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowTexts.cpp
)
