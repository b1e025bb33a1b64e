# The two Windows programs and the tests that run them under Wine.
set(BRVT_WIN_DEFINES UNICODE _UNICODE NOMINMAX STRICT _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600)
set(BRVT_WIN_LIBS user32 gdi32 comdlg32 shell32 ole32 oleaut32 wbemuuid advapi32 msimg32 comctl32 ws2_32)

# The window and control layer with the skinned controls (ui/): both programs,
# brvt and the update program, are built on it.
file(GLOB BRVT_UI_SOURCES CONFIGURE_DEPENDS ui/*.cpp ui/win/*.cpp)
add_library(brvt_ui STATIC ${BRVT_UI_SOURCES})
target_compile_definitions(brvt_ui PUBLIC ${BRVT_WIN_DEFINES})
target_compile_options(brvt_ui PRIVATE ${BRVT_WARNINGS})
target_link_libraries(brvt_ui PUBLIC brvt_core ${BRVT_WIN_LIBS})
target_compile_definitions(brvt_core PUBLIC ${BRVT_WIN_DEFINES})

file(GLOB BRVT_WIN_SOURCES CONFIGURE_DEPENDS
    shell/*.cpp pages/tweaks/*.cpp pages/system/*.cpp pages/utilities/*.cpp)
list(REMOVE_ITEM BRVT_WIN_SOURCES ${CMAKE_SOURCE_DIR}/shell/WinMain.cpp)

add_library(brvt_lib STATIC ${BRVT_WIN_SOURCES})
target_compile_options(brvt_lib PRIVATE ${BRVT_WARNINGS})
target_link_libraries(brvt_lib PUBLIC brvt_ui)

# The install layout: <root>\main\ holds the main program and its language files.
set(BRVT_LAYOUT_DIR ${CMAKE_BINARY_DIR}/layout)

add_executable(brvt WIN32 shell/WinMain.cpp shell/brvt.rc)
target_compile_options(brvt PRIVATE ${BRVT_WARNINGS})
target_link_options(brvt PRIVATE -municode)
target_link_libraries(brvt PRIVATE brvt_lib)
set_target_properties(brvt PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BRVT_LAYOUT_DIR}/main)
install(TARGETS brvt RUNTIME DESTINATION main)
# Wine reads a program's every section into memory at start: the debug
# information (twelve times the code) goes into a file of its own beside it,
# where debuggers find it by the link left in the program.
if(CMAKE_BUILD_TYPE MATCHES "Deb" AND CMAKE_OBJCOPY)
    add_custom_command(TARGET brvt POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:brvt>/.debug
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:brvt> $<TARGET_FILE_DIR:brvt>/.debug/brvt.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE_DIR:brvt>/.debug/brvt.debug
                $<TARGET_FILE:brvt>
        VERBATIM)
endif()

# GoogleTest from Debian's sources, built for this target.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB BRVT_WINE_SUPPORT CONFIGURE_DEPENDS tests/wine/support/*.cpp)
if(BRVT_WINE_SUPPORT)
    add_library(wine_test_support STATIC ${BRVT_WINE_SUPPORT})
    target_compile_options(wine_test_support PRIVATE ${BRVT_WARNINGS})
    target_link_libraries(wine_test_support PUBLIC brvt_lib gtest psapi)
else()
    # A static library without sources is a configure error.
    add_library(wine_test_support INTERFACE)
    target_link_libraries(wine_test_support INTERFACE brvt_lib gtest)
endif()

option(BRVT_RUN_WINE_TESTS "Register the Wine tests with CTest" ON)
set(BRVT_HARNESS ${CMAKE_SOURCE_DIR}/tests/wine/harness)
if(BRVT_RUN_WINE_TESTS)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${BRVT_HARNESS}/wine-exec.sh ${CMAKE_BINARY_DIR})
    add_test(NAME wine.setup COMMAND ${BRVT_HARNESS}/setup.sh ${CMAKE_BINARY_DIR})
    add_test(NAME wine.teardown COMMAND ${BRVT_HARNESS}/teardown.sh ${CMAKE_BINARY_DIR})
    # Bounded, so a wineboot that hangs fails the run instead of stalling it.
    set_tests_properties(wine.setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
    set_tests_properties(wine.teardown PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
endif()

# Each file of tests/wine is one test program: one Wine process, one CTest entry.
file(GLOB BRVT_WINE_TESTS CONFIGURE_DEPENDS tests/wine/*_test.cpp)
foreach(test_source ${BRVT_WINE_TESTS})
    get_filename_component(test_name ${test_source} NAME_WE)
    add_executable(${test_name} ${test_source})
    target_compile_options(${test_name} PRIVATE ${BRVT_WARNINGS})
    target_link_libraries(${test_name} PRIVATE wine_test_support gtest_main)
    add_dependencies(${test_name} brvt)
    if(BRVT_RUN_WINE_TESTS)
        add_test(NAME wine.${test_name} COMMAND ${test_name})
        set_tests_properties(wine.${test_name} PROPERTIES
            FIXTURES_REQUIRED wine RESOURCE_LOCK wine_registry TIMEOUT 300)
    endif()
endforeach()
# Wine cannot make symbolic links for a Windows program, so the tests' links
# are made here: the disk cleaner's test sweeps a tree that holds one to a
# folder beside it, and the splitter's finds a dangling one where a part goes.
if(BRVT_RUN_WINE_TESTS)
    set(BRVT_SWEEP_FIXTURE ${CMAKE_BINARY_DIR}/hddclean-fixture)
    file(MAKE_DIRECTORY ${BRVT_SWEEP_FIXTURE}/tree ${BRVT_SWEEP_FIXTURE}/outside)
    file(CREATE_LINK ../outside ${BRVT_SWEEP_FIXTURE}/tree/link SYMBOLIC)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/splitter-fixture/elsewhere)
    file(CREATE_LINK elsewhere/target ${CMAKE_BINARY_DIR}/splitter-fixture/data.001 SYMBOLIC)
endif()

# Programs that the tests put into the prefix: subst for the virtual drive
# test (the prefix's own is a stub that maps nothing; the harness puts this one
# into the system folder), and a program that only notes that it ran, planted
# under the names of tools where only a careless start would find it.
function(brvt_test_tool target source output_name)
    add_executable(${target} ${source})
    target_compile_definitions(${target} PRIVATE ${BRVT_WIN_DEFINES})
    target_compile_options(${target} PRIVATE ${BRVT_WARNINGS})
    target_link_options(${target} PRIVATE -municode)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output_name}
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/test-tools)
endfunction()
brvt_test_tool(subst_standin tests/wine/tools/subst.cpp subst)
brvt_test_tool(noter tests/wine/tools/noter.cpp noter)
foreach(test_name vdrives_test tool_launcher_test effects_test)
    add_dependencies(${test_name} subst_standin noter)
endforeach()

# The file utilities' benchmark (scripts/benchmark-files.sh): the pages' own code, timed.
add_executable(file_tools_timer tests/bench/file_tools_timer.cpp)
target_compile_options(file_tools_timer PRIVATE ${BRVT_WARNINGS})
target_link_options(file_tools_timer PRIVATE -municode)
target_link_libraries(file_tools_timer PRIVATE brvt_lib)
set_target_properties(file_tools_timer PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# The RAM cleaner's benchmark (scripts/benchmark-ram.sh): the page's own cleaning, timed.
add_executable(ram_cleaner_timer tests/bench/ram_cleaner_timer.cpp)
target_compile_options(ram_cleaner_timer PRIVATE ${BRVT_WARNINGS})
target_link_options(ram_cleaner_timer PRIVATE -municode)
target_link_libraries(ram_cleaner_timer PRIVATE brvt_lib)
set_target_properties(ram_cleaner_timer PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# Screenshot tests: a driver program under Wine and a script that takes the
# picture with ImageMagick and checks its pixels.
function(brvt_screenshot_test name script)
    add_executable(${name} WIN32 tests/wine/screenshot/${name}.cpp)
    target_compile_options(${name} PRIVATE ${BRVT_WARNINGS})
    target_link_options(${name} PRIVATE -municode)
    target_link_libraries(${name} PRIVATE brvt_lib)
    if(BRVT_RUN_WINE_TESTS)
        add_test(NAME wine.${name}
            COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/screenshot/${script} ${CMAKE_BINARY_DIR} $<TARGET_FILE:${name}>)
        set_tests_properties(wine.${name} PROPERTIES
            FIXTURES_REQUIRED wine RESOURCE_LOCK wine_registry TIMEOUT 120)
    endif()
endfunction()
brvt_screenshot_test(cpu_gauge_screenshot check-cpu-gauge.sh)
# The magnifier's glass over a known pattern.
brvt_screenshot_test(magnifier_screenshot check-magnifier.sh)

include(cmake/LanguageFiles.cmake)
include(cmake/TweakTestDlls.cmake)
include(cmake/Updater.cmake OPTIONAL)
include(cmake/Package.cmake)
