# The thin class layer: the portable string pieces and the Windows classes.
list(APPEND TB_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CString.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mbcs.cpp
)
list(APPEND TB_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CmdTarget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DC.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Gdi.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProfileWrite.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Seams.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WinApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Wnd.cpp
)
