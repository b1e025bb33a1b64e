# The update program Skyvell: built on the window and control layer alone,
# placed in the install root beside main\ with its configuration, and the Wine
# tests that run it against an FTP server on loopback.
file(GLOB SKYVELL_SOURCES CONFIGURE_DEPENDS updater/*.cpp)
list(REMOVE_ITEM SKYVELL_SOURCES ${CMAKE_SOURCE_DIR}/updater/WinMain.cpp)
add_library(skyvell_lib STATIC ${SKYVELL_SOURCES})
target_compile_options(skyvell_lib PRIVATE ${BRVT_WARNINGS})
target_link_libraries(skyvell_lib PUBLIC brvt_ui wininet)

# The environment variables that redirect the update or stop it half way
# (updater/modTestAids.h) exist only in the build that the tests use; the
# release preset builds Skyvell.exe without them.
option(SKYVELL_TEST_AIDS "Build the update program with its test aids" OFF)
if(SKYVELL_TEST_AIDS)
    target_compile_definitions(skyvell_lib PUBLIC SKYVELL_TEST_AIDS)
endif()

add_executable(Skyvell WIN32 updater/WinMain.cpp updater/Skyvell.rc)
target_compile_options(Skyvell PRIVATE ${BRVT_WARNINGS})
target_link_options(Skyvell PRIVATE -municode)
target_link_libraries(Skyvell PRIVATE skyvell_lib)
set_target_properties(Skyvell PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BRVT_LAYOUT_DIR})
install(TARGETS Skyvell RUNTIME DESTINATION .)

# The configuration beside the program, and the installed version in main\.
set(skyvell_layout_copies)
function(skyvell_layout_file file_name destination)
    set(copy ${BRVT_LAYOUT_DIR}/${destination}/${file_name})
    add_custom_command(OUTPUT ${copy}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/updater/${file_name} ${copy}
        DEPENDS ${CMAKE_SOURCE_DIR}/updater/${file_name}
        COMMENT "Copying ${file_name} into the install layout"
        VERBATIM)
    set(skyvell_layout_copies ${skyvell_layout_copies} ${copy} PARENT_SCOPE)
    install(FILES updater/${file_name} DESTINATION ${destination})
endfunction()
skyvell_layout_file(Skyvell.ini .)
skyvell_layout_file(brvtupdate.txt main)
add_custom_target(skyvell_layout_files ALL DEPENDS ${skyvell_layout_copies})
add_dependencies(Skyvell skyvell_layout_files)

# The download benchmark (scripts/benchmark-update.sh): the real download code, timed.
add_executable(skyvell_download_timer tests/updater/bench/download_timer.cpp)
target_compile_options(skyvell_download_timer PRIVATE ${BRVT_WARNINGS})
target_link_options(skyvell_download_timer PRIVATE -municode)
target_link_libraries(skyvell_download_timer PRIVATE skyvell_lib)
set_target_properties(skyvell_download_timer PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# Each file of tests/updater is one test program, run beside its own FTP server.
file(GLOB SKYVELL_TEST_SUPPORT CONFIGURE_DEPENDS tests/updater/support/*.cpp)
add_library(skyvell_test_support STATIC ${SKYVELL_TEST_SUPPORT})
target_compile_options(skyvell_test_support PRIVATE ${BRVT_WARNINGS})
target_link_libraries(skyvell_test_support PUBLIC skyvell_lib wine_test_support psapi)

# Another program on the machine, which the test FTP server starts during a download.
add_executable(skyvell_intruder tests/updater/intruder/intruder.cpp)
target_compile_options(skyvell_intruder PRIVATE ${BRVT_WARNINGS})
target_link_options(skyvell_intruder PRIVATE -municode)

file(GLOB SKYVELL_TESTS CONFIGURE_DEPENDS tests/updater/*_test.cpp)
foreach(test_source ${SKYVELL_TESTS})
    get_filename_component(test_name ${test_source} NAME_WE)
    set(target updater_${test_name})
    add_executable(${target} ${test_source})
    target_compile_options(${target} PRIVATE ${BRVT_WARNINGS})
    # A test with a main of its own keeps it: the archive's main is only taken when none is there.
    target_link_libraries(${target} PRIVATE skyvell_test_support gtest_main)
    add_dependencies(${target} Skyvell brvt skyvell_intruder)
    if(BRVT_RUN_WINE_TESTS)
        add_test(NAME wine.${target}
            COMMAND ${CMAKE_SOURCE_DIR}/tests/updater/with-ftp-server.sh ${CMAKE_BINARY_DIR}
                    ${CMAKE_BINARY_DIR}/updater-ftp/${test_name}
                    ${BRVT_HARNESS}/wine-exec.sh ${CMAKE_BINARY_DIR} $<TARGET_FILE:${target}>)
        set_tests_properties(wine.${target} PROPERTIES
            FIXTURES_REQUIRED wine RESOURCE_LOCK wine_registry TIMEOUT 300)
    endif()
endforeach()

# The release build's Skyvell.exe (preset windows-x64-release, which
# scripts/test.sh builds first), copied where the test prefix sees it, for the
# test that it ignores the test aids.
if(BRVT_RUN_WINE_TESTS)
    set(SKYVELL_RELEASE_PROGRAM ${CMAKE_SOURCE_DIR}/build/windows-x64-release/layout/Skyvell.exe
        CACHE FILEPATH "Skyvell.exe of the release build, for the test that it has no test aids")
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/release)
    add_test(NAME updater.release_program
        COMMAND ${CMAKE_COMMAND} -E copy ${SKYVELL_RELEASE_PROGRAM} ${CMAKE_BINARY_DIR}/release/Skyvell.exe)
    set_tests_properties(updater.release_program PROPERTIES FIXTURES_SETUP skyvell_release TIMEOUT 60)
    set_tests_properties(wine.updater_release_build_test PROPERTIES FIXTURES_REQUIRED "wine;skyvell_release")
endif()
