# Native build: the portable core with its unit tests under AddressSanitizer and UBSan.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
# The program's code throws nothing, here too; only the tests around it use exceptions.
foreach(layer ${PORTABLE_LAYERS})
    target_compile_options(${layer} PRIVATE ${SANITIZE} -g -fno-exceptions)
    target_link_options(${layer} PUBLIC ${SANITIZE})
endforeach()

enable_testing()
find_package(GTest REQUIRED)
file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp tests/fakes/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
target_compile_options(unit_tests PRIVATE ${COMMON_FLAGS} ${SANITIZE} -g)
target_link_libraries(unit_tests PRIVATE talvek_app_logic talvek_ui_logic GTest::gtest_main)
# The unpacker's test reads the pictures the build packs, to check it against the packer.
include(cmake/pictures.cmake)
add_dependencies(unit_tests packed_pictures)
target_compile_definitions(unit_tests PRIVATE TALVEK_PICTURES_DIR="${PACKED_PICTURES_DIR}"
    TALVEK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_MODE PRE_TEST)

# The comparison's bench (scripts/bench_compare.sh): the search built as the program builds its
# code and without sanitizers, so that the time and memory it shows are the program's.
add_executable(line_diff_bench tests/bench/LineDiffBenchMain.cpp backup/LineDiff.cpp)
target_include_directories(line_diff_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(line_diff_bench PRIVATE ${COMMON_FLAGS} -Oz)
