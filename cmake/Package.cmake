# The release package: the install layout (Skyvell.exe and Skyvell.ini in the
# root; brvt.exe, its language files and brvtupdate.txt in main\) in one zip,
# named after the installed version and the processor, e.g. Brevantor-4.0-x64.zip.
file(STRINGS ${CMAKE_SOURCE_DIR}/updater/brvtupdate.txt BRVT_PACKAGE_VERSION LIMIT_COUNT 1)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(BRVT_PACKAGE_PROCESSOR x64)
else()
    set(BRVT_PACKAGE_PROCESSOR x86)
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Brevantor)
set(CPACK_PACKAGE_VERSION ${BRVT_PACKAGE_VERSION})
set(BRVT_PACKAGE_FILE_NAME Brevantor-${BRVT_PACKAGE_VERSION}-${BRVT_PACKAGE_PROCESSOR})
set(CPACK_PACKAGE_FILE_NAME ${BRVT_PACKAGE_FILE_NAME})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
# The zip holds the layout itself, to be unpacked into the install folder.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
# Packing builds the shipped programs only, not every test program.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)

# The x64 zip of the release build (which scripts/test.sh packs first), checked
# by the tests of the test build.
if(BRVT_RUN_WINE_TESTS)
    set(BRVT_RELEASE_PACKAGE ${CMAKE_SOURCE_DIR}/build/windows-x64-release/package/${BRVT_PACKAGE_FILE_NAME}.zip)
    add_test(NAME release.package
        COMMAND ${CMAKE_SOURCE_DIR}/tests/release/check-package.sh ${CMAKE_SOURCE_DIR}
                ${BRVT_RELEASE_PACKAGE} $<TARGET_FILE:Skyvell>)
    set_tests_properties(release.package PROPERTIES TIMEOUT 120)
endif()
