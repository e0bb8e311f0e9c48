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
# The benchmarks (tests/bench) are disabled tests of the same program, run by the bench_*.sh
# scripts, so that they drive the real exe through the same test bench.
file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp tests/bench/*Bench.cpp)
add_executable(win32_tests ${WIN32_TEST_SOURCES} resources/talvek.rc)
target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(win32_tests packed_pictures)
# The tests derive from the program's classes, which carry no type information.
target_compile_options(win32_tests PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${COMMON_FLAGS} -fno-rtti>)
target_link_libraries(win32_tests PRIVATE talvek_ui gtest gtest_main)
target_link_options(win32_tests PRIVATE -static -static-libgcc -static-libstdc++)
