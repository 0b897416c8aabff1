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

    # Starting inputs written by the program's own writers (and the built help file), one
    # folder per target in fuzz-seeds/, made again whenever the writers change.
    add_executable(MakeFuzzSeeds tests/fuzz/seeds/MakeFuzzSeeds.cpp)
    target_link_libraries(MakeFuzzSeeds PRIVATE solvanta_core)
    set(FUZZ_SEEDS ${CMAKE_BINARY_DIR}/fuzz-seeds)
    add_custom_command(
        OUTPUT ${FUZZ_SEEDS}/written
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${FUZZ_SEEDS}
        COMMAND MakeFuzzSeeds ${FUZZ_SEEDS} ${CMAKE_BINARY_DIR}/Solvanta.chm
        COMMAND ${CMAKE_COMMAND} -E touch ${FUZZ_SEEDS}/written
        DEPENDS MakeFuzzSeeds help_file ${CMAKE_BINARY_DIR}/Solvanta.chm
        COMMENT "Writing the fuzz seeds"
        VERBATIM)
    add_custom_target(fuzz_seeds ALL DEPENDS ${FUZZ_SEEDS}/written)

    file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS tests/fuzz/*.cpp)
    set(FUZZ_DICTIONARIES ${CMAKE_SOURCE_DIR}/tests/fuzz/dictionaries)
    foreach(source ${FUZZ_SOURCES})
        get_filename_component(name ${source} NAME_WE)
        add_executable(${name} ${source})
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_libraries(${name} PRIVATE solvanta_core_fuzz)
        add_dependencies(${name} fuzz_seeds)
        # The archive encodings every file shares, then the target's own magic values.
        set(dictionary ${CMAKE_BINARY_DIR}/fuzz-dict/${name}.dict)
        add_custom_command(
            OUTPUT ${dictionary}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/fuzz-dict
            COMMAND ${CMAKE_COMMAND} -E cat ${FUZZ_DICTIONARIES}/Archive.dict ${FUZZ_DICTIONARIES}/${name}.dict
                    > ${dictionary}
            DEPENDS ${FUZZ_DICTIONARIES}/Archive.dict ${FUZZ_DICTIONARIES}/${name}.dict)
        add_custom_target(${name}_dict ALL DEPENDS ${dictionary})
        add_dependencies(${name} ${name}_dict)
        # A bounded run on every test pass, from the seeds, keeping what it finds in
        # fuzz-corpus/ for the next pass; longer runs through scripts/bench.sh.
        file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz-corpus/${name})
        add_test(NAME ${name}.bounded
                 COMMAND ${name} -max_total_time=15 -rss_limit_mb=512 -max_len=65536 -dict=${dictionary}
                         ${CMAKE_BINARY_DIR}/fuzz-corpus/${name} ${FUZZ_SEEDS}/${name})
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
