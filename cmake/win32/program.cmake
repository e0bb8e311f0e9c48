# talvek.exe for 32-bit Windows 95 and later, ANSI API only, no C runtime DLL.
target_compile_options(talvek_core PRIVATE ${PROGRAM_FLAGS})

# The Win32 layer without the entry point, so the Windows-side tests can link it too.
file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS
    platform/win32/*.cpp ui/toolkit/*.cpp ui/progress/*.cpp ui/setup/*.cpp ui/components/*.cpp
    app/*.cpp)
list(FILTER WIN32_SOURCES EXCLUDE REGEX ".*/app/main\\.cpp$")
add_library(talvek_win32 STATIC ${WIN32_SOURCES})
target_include_directories(talvek_win32 PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(talvek_win32 PRIVATE ${WIN32_FLAGS})
target_compile_definitions(talvek_win32 PUBLIC WINVER=0x0400 _WIN32_WINDOWS=0x0400 _WIN32_IE=0x0400)
target_link_libraries(talvek_win32 PUBLIC talvek_core ${WIN32_LIBS})

# Our own startup in place of the C runtime: entry point, heap, mem*/str*, the library's error
# exits, std::string built for our processor. Linked as objects, so the library archives named
# after them find malloc and memcpy here.
file(GLOB STARTUP_SOURCES CONFIGURE_DEPENDS platform/win32/startup/*.cpp)
add_library(talvek_startup OBJECT ${STARTUP_SOURCES})
target_include_directories(talvek_startup PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(talvek_startup PRIVATE ${WIN32_FLAGS})
# Loops that copy or fill must stay loops in the functions that define memcpy and memset.
set_source_files_properties(platform/win32/startup/CStrings.cpp PROPERTIES
    COMPILE_OPTIONS "-ffreestanding;-fno-builtin;-fno-tree-loop-distribute-patterns")

enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 1252")
# windres reads the pictures, icon and cursor itself: a new picture must rebuild the resources.
file(GLOB RESOURCE_FILES CONFIGURE_DEPENDS resources/*.bmp resources/*.ico resources/*.cur)
set_source_files_properties(resources/talvek.rc PROPERTIES OBJECT_DEPENDS "${RESOURCE_FILES}")
add_executable(talvek WIN32 app/main.cpp resources/talvek.rc $<TARGET_OBJECTS:talvek_startup>)
target_compile_options(talvek PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${WIN32_FLAGS}>)
# Only the libraries named here: the system DLLs' import libraries, and from the compiler's
# own the arithmetic helpers and stack probe of libgcc.
target_link_libraries(talvek PRIVATE talvek_win32 talvek_core
    -Wl,--start-group stdc++ gcc ${WIN32_LIBS} -Wl,--end-group)
target_link_options(talvek PRIVATE ${WIN32_LINK} -nostartfiles -nodefaultlibs -s
    -Wl,--disable-dynamicbase,--disable-reloc-section -Wl,-Map,talvek.map)
set_target_properties(talvek PROPERTIES OUTPUT_NAME talvek)
