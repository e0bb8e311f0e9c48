# One static library per layer, app -> ui -> backup -> config -> platform: a layer includes only
# itself and the layers below it, and portable code only portable code. Every include is written
# from the repository root, so include directories cannot hold a layer to this: before a library
# builds, scripts/tools/check_layers.py reads the includes of its sources and headers and fails
# the build on one against the layers.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(LAYER_CHECK ${CMAKE_SOURCE_DIR}/scripts/tools/check_layers.py)

# The sources and headers of the folders (not their subfolders) in LAYER_FILES, and the file
# in LAYER_CHECKED that checking their includes leaves; a changed file checks them again.
function(talvek_check_layer name)
    set(files)
    foreach(folder ${ARGN})
        file(GLOB found CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
        list(APPEND files ${found})
    endforeach()
    set(checked ${CMAKE_BINARY_DIR}/layers/${name}.checked)
    add_custom_command(OUTPUT ${checked}
        COMMAND Python3::Interpreter ${LAYER_CHECK} --root ${CMAKE_SOURCE_DIR} --stamp ${checked}
            ${files}
        DEPENDS ${LAYER_CHECK} ${files}
        COMMENT "Checking the includes of ${name}" VERBATIM)
    set(LAYER_FILES ${files} PARENT_SCOPE)
    set(LAYER_CHECKED ${checked} PARENT_SCOPE)
endfunction()

# talvek_layer(<library> STATIC|OBJECT <folder>...): a library of the folders' sources, built
# after their includes are checked.
function(talvek_layer library kind)
    talvek_check_layer(${library} ${ARGN})
    add_library(${library} ${kind} ${LAYER_FILES} ${LAYER_CHECKED})
    target_include_directories(${library} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

# The portable layers: no <windows.h>, built natively for the unit tests and into the program.
talvek_layer(talvek_platform STATIC platform)
talvek_layer(talvek_config STATIC config)
talvek_layer(talvek_backup STATIC backup)
talvek_layer(talvek_ui_logic STATIC ui/setup/logic ui/components/logic ui/progress/logic)
talvek_layer(talvek_app_logic STATIC app/logic)
target_link_libraries(talvek_config PUBLIC talvek_platform)
target_link_libraries(talvek_backup PUBLIC talvek_config)
target_link_libraries(talvek_ui_logic PUBLIC talvek_backup)
target_link_libraries(talvek_app_logic PUBLIC talvek_platform)
set(PORTABLE_LAYERS talvek_platform talvek_config talvek_backup talvek_ui_logic talvek_app_logic)
foreach(layer ${PORTABLE_LAYERS})
    target_compile_options(${layer} PRIVATE ${COMMON_FLAGS})
endforeach()

# The Win32 parts of the layers (the startup is platform/win32's too): libraries of the Windows
# builds, and checked in the others as well, so a build of any flavour fails on a wrong include.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Windows")
    talvek_check_layer(talvek_win32_parts platform/win32 platform/win32/startup ui/toolkit
        ui/progress ui/setup ui/components app)
    add_custom_target(talvek_win32_parts ALL DEPENDS ${LAYER_CHECKED})
endif()
