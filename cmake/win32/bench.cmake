# The benchmarks' floor: a small GUI program paying the platform's costs and none of ours. The
# benchmark tests in win32_tests start it from their own folder.
add_executable(bench_floor WIN32 tests/bench/BenchFloor.cpp)
target_compile_options(bench_floor PRIVATE ${COMMON_FLAGS} -Os)
target_link_options(bench_floor PRIVATE -static -static-libgcc -static-libstdc++ -s)
add_dependencies(win32_tests bench_floor)
