# Fuzz build (scripts/fuzz.sh, clang): the portable core and the fakes instrumented for
# libFuzzer, with AddressSanitizer and UBSan; one program per target in tests/fuzz/.
set(FUZZ_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
    -g -O1)
foreach(layer ${PORTABLE_LAYERS})
    target_compile_options(${layer} PRIVATE ${FUZZ_SANITIZE} -fsanitize=fuzzer-no-link)
endforeach()

file(GLOB FAKE_SOURCES CONFIGURE_DEPENDS tests/fakes/*.cpp)
add_library(talvek_fakes STATIC ${FAKE_SOURCES})
target_include_directories(talvek_fakes PUBLIC ${CMAKE_SOURCE_DIR}/tests)
target_compile_options(talvek_fakes PRIVATE ${COMMON_FLAGS} ${FUZZ_SANITIZE}
    -fsanitize=fuzzer-no-link)
target_link_libraries(talvek_fakes PUBLIC talvek_app_logic talvek_ui_logic)

file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS tests/fuzz/*Fuzz.cpp)
foreach(source ${FUZZ_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE ${COMMON_FLAGS} ${FUZZ_SANITIZE} -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE talvek_fakes)
endforeach()
