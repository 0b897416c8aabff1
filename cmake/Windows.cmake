# Windows build: the program, its Win32 layers and the tests that run under Wine.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
if(NOT MSVC)
    add_link_options(-static -static-libgcc -static-libstdc++)
    set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
endif()

file(GLOB WIN_SOURCES CONFIGURE_DEPENDS framework/*.cpp shell/*.cpp app/*.cpp folder/*.cpp commands/*.cpp
     panes/*.cpp settings/*.cpp bars/*.cpp)
list(FILTER WIN_SOURCES EXCLUDE REGEX "(app/Main|framework/DataFileWin32)\\.cpp$")
add_library(solvanta_win STATIC ${WIN_SOURCES})
target_link_libraries(solvanta_win PUBLIC solvanta_core comctl32 shell32 shlwapi ole32 oleaut32 uuid gdi32 gdiplus
                      comdlg32 dbghelp mpr uxtheme version)

# Toolbar strips rendered from the Tango icons and our own pictures (res/icons) into the build
# tree, where the resource compiler finds them.
set(TOOLBAR_IMAGE_DIR ${CMAKE_BINARY_DIR}/res)
file(MAKE_DIRECTORY ${TOOLBAR_IMAGE_DIR})
file(GLOB OWN_TOOLBAR_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/icons/*.svg)
set(TOOLBAR_STRIPS)
foreach(bar main folder)
    foreach(size 16 20 24)
        set(strip ${TOOLBAR_IMAGE_DIR}/${bar}-toolbar-${size}.bmp)
        set(greyed ${TOOLBAR_IMAGE_DIR}/${bar}-toolbar-${size}-disabled.bmp)
        add_custom_command(
            OUTPUT ${strip} ${greyed}
            COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/render-toolbar-strip.sh
                    ${CMAKE_SOURCE_DIR}/res/icons/${bar}-toolbar.list ${size} ${strip} ${greyed}
            DEPENDS ${CMAKE_SOURCE_DIR}/scripts/render-toolbar-strip.sh
                    ${CMAKE_SOURCE_DIR}/res/icons/${bar}-toolbar.list ${OWN_TOOLBAR_PICTURES}
            COMMENT "Rendering the ${bar} toolbar strip at ${size} pixels"
            VERBATIM)
        list(APPEND TOOLBAR_STRIPS ${strip} ${greyed})
    endforeach()
endforeach()
# The settings pages' toolbars: 16 pixels, masked with light grey.
set(strip ${TOOLBAR_IMAGE_DIR}/config-toolbar-16.bmp)
set(greyed ${TOOLBAR_IMAGE_DIR}/config-toolbar-16-disabled.bmp)
add_custom_command(
    OUTPUT ${strip} ${greyed}
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/render-toolbar-strip.sh
            ${CMAKE_SOURCE_DIR}/res/icons/config-toolbar.list 16 ${strip} ${greyed} "#C0C0C0"
    DEPENDS ${CMAKE_SOURCE_DIR}/scripts/render-toolbar-strip.sh ${CMAKE_SOURCE_DIR}/res/icons/config-toolbar.list
    COMMENT "Rendering the settings pages' toolbar strip"
    VERBATIM)
list(APPEND TOOLBAR_STRIPS ${strip} ${greyed})
add_custom_target(toolbar_strips DEPENDS ${TOOLBAR_STRIPS})
string(APPEND CMAKE_RC_FLAGS " -I ${TOOLBAR_IMAGE_DIR}")

set(SOLVANTA_RESOURCES ${CMAKE_SOURCE_DIR}/res/Solvanta.rc)
set_source_files_properties(${SOLVANTA_RESOURCES} PROPERTIES OBJECT_DEPENDS "${TOOLBAR_STRIPS}")
add_executable(Solvanta WIN32 app/Main.cpp ${SOLVANTA_RESOURCES})
target_link_libraries(Solvanta PRIVATE solvanta_win)
add_dependencies(Solvanta toolbar_strips)
# The help file lies beside the program (and beside the test executables, which ask for it
# as the program does).
solvanta_help_file(${CMAKE_BINARY_DIR}/Solvanta.chm)
add_dependencies(Solvanta help_file)
if(NOT MSVC)
    target_link_options(Solvanta PRIVATE -municode)
endif()

# Tests under Wine: a few executables with many cases each, since every process start costs.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${CMAKE_SOURCE_DIR}/scripts/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)
add_test(NAME wine_prefix COMMAND ${CMAKE_SOURCE_DIR}/scripts/prepare-wine-prefix.sh ${WINE_PREFIX})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)

# ctest starts every Windows test executable through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

file(GLOB WIN_TEST_SUITES LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*)
file(GLOB WIN_TEST_SUPPORT CONFIGURE_DEPENDS tests/win/*.cpp)
foreach(suite ${WIN_TEST_SUITES})
    if(IS_DIRECTORY ${suite})
        get_filename_component(name ${suite} NAME)
        file(GLOB suite_sources CONFIGURE_DEPENDS ${suite}/*.cpp ${suite}/*.rc)
        add_executable(win_${name} ${suite_sources} ${WIN_TEST_SUPPORT} ${SOLVANTA_RESOURCES})
        target_link_libraries(win_${name} PRIVATE solvanta_win gtest)
        add_dependencies(win_${name} toolbar_strips help_file)
        add_test(NAME win_${name} COMMAND win_${name})
        set_tests_properties(win_${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 900)
    endif()
endforeach()

# The release installer's check under Wine (run by scripts/package.sh, not by ctest).
add_executable(win_install_test EXCLUDE_FROM_ALL tests/package/InstallTest.cpp tests/win/ProcessSupport.cpp
               tests/win/WinTestSupport.cpp)
target_link_libraries(win_install_test PRIVATE solvanta_win gtest)
if(NOT MSVC)
    target_link_options(win_install_test PRIVATE -municode)
endif()

# Benchmarks under Wine (run by scripts/bench.sh, not by ctest).
add_executable(win_browse_bench EXCLUDE_FROM_ALL bench/win/BrowseBench.cpp tests/win/folder/FolderTestSupport.cpp
               tests/win/WinTestSupport.cpp ${SOLVANTA_RESOURCES})
target_link_libraries(win_browse_bench PRIVATE solvanta_win gtest)
add_executable(win_arrangement_bench EXCLUDE_FROM_ALL bench/win/ArrangementBench.cpp tests/win/WinTestSupport.cpp
               ${SOLVANTA_RESOURCES})
target_link_libraries(win_arrangement_bench PRIVATE solvanta_win gtest)
add_executable(win_status_bench EXCLUDE_FROM_ALL bench/win/StatusBench.cpp tests/win/folder/FolderTestSupport.cpp
               tests/win/WinTestSupport.cpp ${SOLVANTA_RESOURCES})
target_link_libraries(win_status_bench PRIVATE solvanta_win gtest)
add_executable(win_drop_bench EXCLUDE_FROM_ALL bench/win/DropBench.cpp tests/win/folder/FolderTestSupport.cpp
               tests/win/WinTestSupport.cpp ${SOLVANTA_RESOURCES})
target_link_libraries(win_drop_bench PRIVATE solvanta_win gtest)
add_executable(win_tree_bench EXCLUDE_FROM_ALL bench/win/TreeBench.cpp tests/win/WinTestSupport.cpp
               ${SOLVANTA_RESOURCES})
target_link_libraries(win_tree_bench PRIVATE solvanta_win gtest)
add_executable(win_compare_bench EXCLUDE_FROM_ALL bench/win/CompareBench.cpp tests/win/WinTestSupport.cpp
               ${SOLVANTA_RESOURCES})
target_link_libraries(win_compare_bench PRIVATE solvanta_win gtest)
add_executable(win_quick_view_bench EXCLUDE_FROM_ALL bench/win/QuickViewBench.cpp tests/win/WinTestSupport.cpp
               ${SOLVANTA_RESOURCES})
target_link_libraries(win_quick_view_bench PRIVATE solvanta_win gtest)
add_executable(win_start_bench EXCLUDE_FROM_ALL bench/win/StartBench.cpp tests/win/ProcessSupport.cpp
               tests/win/WinTestSupport.cpp ${SOLVANTA_RESOURCES})
target_link_libraries(win_start_bench PRIVATE solvanta_win gtest)
add_executable(win_bare_view_program WIN32 EXCLUDE_FROM_ALL bench/win/BareViewProgram.cpp)
target_link_libraries(win_bare_view_program PRIVATE solvanta_win)
add_dependencies(win_start_bench Solvanta win_bare_view_program)
if(NOT MSVC)
    target_link_options(win_start_bench PRIVATE -municode)
    target_link_options(win_bare_view_program PRIVATE -municode)
    target_link_options(win_compare_bench PRIVATE -municode)
    target_link_options(win_quick_view_bench PRIVATE -municode)
    target_link_options(win_tree_bench PRIVATE -municode)
    target_link_options(win_status_bench PRIVATE -municode)
    target_link_options(win_drop_bench PRIVATE -municode)
endif()
