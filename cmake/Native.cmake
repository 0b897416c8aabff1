# Native build: the portable core, its tests, fuzz targets and benchmarks.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

file(GLOB NATIVE_TEST_SOURCES CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(native_tests ${NATIVE_TEST_SOURCES})
target_link_libraries(native_tests PRIVATE solvanta_core GTest::gtest_main)
# The help-file test reads the compiled help file.
solvanta_help_file(${CMAKE_BINARY_DIR}/Solvanta.chm)
add_dependencies(native_tests help_file)
target_compile_definitions(native_tests PRIVATE SOLVANTA_HELP_FILE="${CMAKE_BINARY_DIR}/Solvanta.chm"
                                                SOLVANTA_HELP_PROJECT="${CMAKE_SOURCE_DIR}/help/Solvanta.hhp")
gtest_discover_tests(native_tests DISCOVERY_TIMEOUT 60)

if(SOLVANTA_FUZZ)
    # The code under test carries coverage instrumentation too, so the fuzzer sees its edges.
    add_library(solvanta_core_fuzz STATIC ${CORE_SOURCES})
    target_compile_options(solvanta_core_fuzz PRIVATE -fsanitize=fuzzer-no-link)
    file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS tests/fuzz/*.cpp)
    foreach(source ${FUZZ_SOURCES})
        get_filename_component(name ${source} NAME_WE)
        add_executable(${name} ${source})
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_libraries(${name} PRIVATE solvanta_core_fuzz)
        # A bounded run on every test pass; longer runs through scripts/bench.sh.
        add_test(NAME ${name}.bounded COMMAND ${name} -max_total_time=15 -rss_limit_mb=512 -max_len=65536)
    endforeach()
endif()

if(SOLVANTA_BENCH)
    find_package(benchmark REQUIRED)
    file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
    if(BENCH_SOURCES)
        add_executable(solvanta_bench ${BENCH_SOURCES})
        target_link_libraries(solvanta_bench PRIVATE solvanta_core benchmark::benchmark_main)
    endif()
endif()
