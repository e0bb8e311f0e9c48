# Cross build: talvek.exe for 32-bit Windows 95 and later, ANSI API only, no C runtime DLL.
# Program code has no C++ exceptions and no RTTI: errors travel as values, and the library's
# unwinder and exception support would neither run on a Pentium nor fit the size.
set(PROGRAM_FLAGS -Os -ffunction-sections -fdata-sections -fno-threadsafe-statics
    -fno-exceptions -fno-rtti)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    # The machines Windows 95 ran on: 486 and Pentium, which have no cmov or fcomi.
    list(APPEND PROGRAM_FLAGS -march=i486 -mtune=pentium)
endif()
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    # The PE linker script keeps every .eh_frame entry, and with it every function it
    # describes, past --gc-sections; without exceptions nothing reads them.
    list(APPEND PROGRAM_FLAGS -fno-asynchronous-unwind-tables)
endif()
set(WIN32_FLAGS ${COMMON_FLAGS} ${PROGRAM_FLAGS}
    -DWINVER=0x0400 -D_WIN32_WINDOWS=0x0400 -D_WIN32_IE=0x0400 -DSTRICT -DNOMINMAX)
target_compile_options(talvek_core PRIVATE ${PROGRAM_FLAGS})
set(WIN32_LIBS comctl32 comdlg32 shell32 ole32 advapi32 gdi32 user32 kernel32)
set(WIN32_LINK -static -static-libgcc -static-libstdc++ -Wl,--gc-sections
    -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
    -Wl,--major-os-version,4 -Wl,--minor-os-version,0)

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

# Windows-side tests: GoogleTest built from Debian's sources, run under Wine by scripts/test.sh.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# The win32 thread model has no std::mutex: a single-threaded stand-in for the tests.
set(GTEST_THREADS_SHIM -include ${CMAKE_SOURCE_DIR}/tests/win32/compat/GtestThreads.h)
target_compile_options(gtest PUBLIC ${GTEST_THREADS_SHIM})
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)
file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp)
add_executable(win32_tests ${WIN32_TEST_SOURCES} resources/talvek.rc)
target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
# The tests derive from the program's classes, which carry no type information.
target_compile_options(win32_tests PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${COMMON_FLAGS} -fno-rtti>)
target_link_libraries(win32_tests PRIVATE talvek_win32 gtest gtest_main)
target_link_options(win32_tests PRIVATE -static -static-libgcc -static-libstdc++)

# The benchmarks' floor: a small GUI program paying the platform's costs and none of ours.
add_executable(bench_floor WIN32 tests/bench/BenchFloor.cpp)
target_compile_options(bench_floor PRIVATE ${COMMON_FLAGS} -Os)
target_link_options(bench_floor PRIVATE -static -static-libgcc -static-libstdc++ -s)
add_dependencies(win32_tests bench_floor)
