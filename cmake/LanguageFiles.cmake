# The language files ship beside brvt.exe, so the install layout gets a copy
# whenever brvt is built, and the install puts them into main too.
file(GLOB BRVT_LANGUAGE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/shell/lang/*.bvl)
set(BRVT_STRING_NUMBERS ${CMAKE_SOURCE_DIR}/shell/lang/string-numbers.txt)

set(brvt_language_copies)
foreach(language_file ${BRVT_LANGUAGE_FILES})
    get_filename_component(language_name ${language_file} NAME)
    set(copy ${BRVT_LAYOUT_DIR}/main/${language_name})
    add_custom_command(OUTPUT ${copy}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${language_file} ${copy}
        DEPENDS ${language_file}
        COMMENT "Copying ${language_name} into the install layout"
        VERBATIM)
    list(APPEND brvt_language_copies ${copy})
endforeach()
# The list of every string number, for the test that checks the files against the forms.
set(brvt_numbers_copy ${CMAKE_BINARY_DIR}/string-numbers.txt)
add_custom_command(OUTPUT ${brvt_numbers_copy}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${BRVT_STRING_NUMBERS} ${brvt_numbers_copy}
    DEPENDS ${BRVT_STRING_NUMBERS}
    VERBATIM)

add_custom_target(brvt_language_files ALL DEPENDS ${brvt_language_copies} ${brvt_numbers_copy})
add_dependencies(brvt brvt_language_files)
install(FILES ${BRVT_LANGUAGE_FILES} DESTINATION main)

# The start-up benchmark (scripts/benchmark-startup.sh): the floor it compares
# brvt against, and the helper that times both.
add_executable(minimal_window WIN32 tests/bench/minimal_window.cpp)
target_compile_definitions(minimal_window PRIVATE ${BRVT_WIN_DEFINES})
target_compile_options(minimal_window PRIVATE ${BRVT_WARNINGS})
target_link_options(minimal_window PRIVATE -municode)
target_link_libraries(minimal_window PRIVATE user32)

add_executable(startup_timer tests/bench/startup_timer.cpp)
target_compile_definitions(startup_timer PRIVATE ${BRVT_WIN_DEFINES})
target_compile_options(startup_timer PRIVATE ${BRVT_WARNINGS})
target_link_options(startup_timer PRIVATE -municode)
target_link_libraries(startup_timer PRIVATE user32 psapi)

# The CPU pages' benchmark (scripts/benchmark-cpu.sh): the program started in-process.
add_executable(cpu_idle tests/bench/cpu_idle.cpp)
target_compile_options(cpu_idle PRIVATE ${BRVT_WARNINGS})
target_link_options(cpu_idle PRIVATE -municode)
target_link_libraries(cpu_idle PRIVATE brvt_lib)

# The magnifier's benchmark (scripts/benchmark-magnifier.sh), in-process the same way.
add_executable(magnifier_cpu tests/bench/magnifier_cpu.cpp)
target_compile_options(magnifier_cpu PRIVATE ${BRVT_WARNINGS})
target_link_options(magnifier_cpu PRIVATE -municode)
target_link_libraries(magnifier_cpu PRIVATE brvt_lib)

set_target_properties(minimal_window startup_timer cpu_idle magnifier_cpu PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
