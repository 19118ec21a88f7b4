# The generated resource inputs (sounds, icon, manifest) and the resource script that embeds them.
set(TB_RES_OUT ${CMAKE_BINARY_DIR}/res)
file(MAKE_DIRECTORY ${TB_RES_OUT})
find_package(Python3 REQUIRED COMPONENTS Interpreter)

add_custom_command(
    OUTPUT ${TB_RES_OUT}/start.wav ${TB_RES_OUT}/failure.wav
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/res/make_sounds.py ${TB_RES_OUT}
    DEPENDS ${CMAKE_SOURCE_DIR}/res/make_sounds.py
    COMMENT "Generating the start and failure sounds")
add_custom_command(
    OUTPUT ${TB_RES_OUT}/Tallyburn.ico
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/res/make_icon.py ${TB_RES_OUT}/Tallyburn.ico
    DEPENDS ${CMAKE_SOURCE_DIR}/res/make_icon.py
    COMMENT "Generating the icon")
configure_file(${CMAKE_SOURCE_DIR}/res/Tallyburn.manifest.in ${TB_RES_OUT}/Tallyburn.manifest @ONLY)
# The version of project() for the resources and the code (tallyburn_version.h), and for the scripts
# that name or check what was built (version.txt).
configure_file(${CMAKE_SOURCE_DIR}/res/tallyburn_version.h.in ${TB_RES_OUT}/tallyburn_version.h @ONLY)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/version.txt CONTENT "@PROJECT_VERSION@\n" @ONLY)

set(TB_RESOURCE_FILES ${CMAKE_SOURCE_DIR}/res/Tallyburn.rc)
set_source_files_properties(${CMAKE_SOURCE_DIR}/res/Tallyburn.rc PROPERTIES
    OBJECT_DEPENDS "${TB_RES_OUT}/start.wav;${TB_RES_OUT}/failure.wav;${TB_RES_OUT}/Tallyburn.ico;${TB_RES_OUT}/Tallyburn.manifest;${TB_RES_OUT}/tallyburn_version.h;${CMAKE_SOURCE_DIR}/res/resource.h")

add_custom_target(tallyburn_resources DEPENDS
    ${TB_RES_OUT}/start.wav ${TB_RES_OUT}/failure.wav ${TB_RES_OUT}/Tallyburn.ico)

# tb_add_resources(<target>): lets the resource compiler find the generated files, made once.
function(tb_add_resources target)
    target_include_directories(${target} PRIVATE ${TB_RES_OUT} ${CMAKE_SOURCE_DIR}/res)
    add_dependencies(${target} tallyburn_resources)
endfunction()
