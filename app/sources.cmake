# The application shell: the application object, the main window, the clock and the settings file.
list(APPEND TB_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/elapsed_time.cpp
    ${CMAKE_CURRENT_LIST_DIR}/log_backlog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/log_merge.cpp
    ${CMAKE_CURRENT_LIST_DIR}/log_path.cpp
    ${CMAKE_CURRENT_LIST_DIR}/log_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_path.cpp
)
list(APPEND TB_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/LogFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProductionLog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SingleInstance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Stopwatch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TallyburnApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TallyburnDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TallyburnLog.cpp
)
