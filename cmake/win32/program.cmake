# talvek.exe for 32-bit Windows 95 and later, ANSI API only, no C runtime DLL.
foreach(layer ${PORTABLE_LAYERS})
    target_compile_options(${layer} PRIVATE ${PROGRAM_FLAGS})
endforeach()

# The Win32 parts of the layers (cmake/layers.cmake). app holds WinMain, which the startup calls;
# the Windows-side tests link the layers below it.
talvek_layer(talvek_platform_win32 STATIC platform/win32)
talvek_layer(talvek_ui STATIC ui/toolkit ui/progress ui/setup ui/components)
talvek_layer(talvek_app STATIC app)
target_link_libraries(talvek_platform_win32 PUBLIC talvek_platform ${WIN32_LIBS})
target_link_libraries(talvek_ui PUBLIC talvek_ui_logic talvek_platform_win32)
target_link_libraries(talvek_app PUBLIC talvek_app_logic talvek_ui)
foreach(layer talvek_platform_win32 talvek_ui talvek_app)
    target_compile_options(${layer} PRIVATE ${WIN32_FLAGS})
    target_compile_definitions(${layer} PUBLIC WINVER=0x0400 _WIN32_WINDOWS=0x0400
        _WIN32_IE=0x0200)
endforeach()

# Our own startup in place of the C runtime: entry point, heap, mem*/str*, the library's error
# exits, std::string built for our processor. Linked as objects, so the library archives named
# after them find malloc and memcpy here.
talvek_layer(talvek_startup OBJECT platform/win32/startup)
target_compile_options(talvek_startup PRIVATE ${WIN32_FLAGS})
# Loops that copy or fill must stay loops in the functions that define memcpy and memset.
set_source_files_properties(platform/win32/startup/CStrings.cpp PROPERTIES
    COMPILE_OPTIONS "-ffreestanding;-fno-builtin;-fno-tree-loop-distribute-patterns")

enable_language(RC)
# The two large pictures go in packed (cmake/pictures.cmake); windres finds them here.
include(cmake/pictures.cmake)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 1252 -I ${PACKED_PICTURES_DIR}")
# windres reads the pictures, icon and cursor itself: a new picture must rebuild the resources.
file(GLOB RESOURCE_FILES CONFIGURE_DEPENDS resources/*.bmp resources/*.ico resources/*.cur)
set_source_files_properties(resources/talvek.rc PROPERTIES
    OBJECT_DEPENDS "${RESOURCE_FILES};${PACKED_PICTURES}")
add_executable(talvek WIN32 resources/talvek.rc $<TARGET_OBJECTS:talvek_startup>)
# Only the libraries named here: the system DLLs' import libraries, and from the compiler's
# own the arithmetic helpers and stack probe of libgcc.
target_link_libraries(talvek PRIVATE talvek_app
    -Wl,--start-group stdc++ gcc ${WIN32_LIBS} -Wl,--end-group)
target_link_options(talvek PRIVATE ${WIN32_LINK} -nostartfiles -nodefaultlibs -s
    -Wl,--disable-dynamicbase,--disable-reloc-section -Wl,-Map,talvek.map)
set_target_properties(talvek PROPERTIES OUTPUT_NAME talvek)
add_dependencies(talvek packed_pictures)
