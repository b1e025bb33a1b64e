# libFuzzer target for the language file parser, built with clang++ beside the g++ host build.
#
# Also runs as a script (cmake -P) for the CTest test: copies the seeds to a fresh scratch
# corpus and fuzzes for a bounded time; libFuzzer's exit code decides.
if(CMAKE_SCRIPT_MODE_FILE)
    file(REMOVE_RECURSE "${SCRATCH}")
    file(MAKE_DIRECTORY "${SCRATCH}/corpus" "${SCRATCH}/artifacts")
    file(GLOB seeds "${SEEDS}/*")
    file(COPY ${seeds} DESTINATION "${SCRATCH}/corpus")
    execute_process(
        COMMAND "${FUZZER}" -max_total_time=60 -timeout=5 -rss_limit_mb=2048
                "-artifact_prefix=${SCRATCH}/artifacts/" "${SCRATCH}/corpus"
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "fuzzer failed (${result}); inputs kept in ${SCRATCH}/artifacts")
    endif()
    return()
endif()

option(BRVT_FUZZ "Build and run the libFuzzer targets when clang and libFuzzer are present" ON)
if(NOT BRVT_FUZZ)
    return()
endif()

find_program(BRVT_CLANGXX NAMES clang++ clang++-14)
if(NOT BRVT_CLANGXX)
    message(STATUS "Fuzzing: clang++ not found, skipped")
    return()
endif()

# Probe once: clang may be present without the libFuzzer runtime.
if(NOT DEFINED CACHE{BRVT_HAVE_LIBFUZZER})
    set(probe_dir "${CMAKE_BINARY_DIR}/CMakeFiles/libfuzzer_probe")
    file(WRITE "${probe_dir}/probe.cpp"
        "#include <cstddef>\n#include <cstdint>\n"
        "extern \"C\" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n")
    execute_process(
        COMMAND "${BRVT_CLANGXX}" -std=c++20 -fsanitize=fuzzer,address,undefined
                "${probe_dir}/probe.cpp" -o "${probe_dir}/probe"
        RESULT_VARIABLE probe_result OUTPUT_QUIET ERROR_QUIET)
    if(probe_result EQUAL 0)
        set(BRVT_HAVE_LIBFUZZER ON CACHE INTERNAL "clang++ links -fsanitize=fuzzer")
    else()
        set(BRVT_HAVE_LIBFUZZER OFF CACHE INTERNAL "clang++ links -fsanitize=fuzzer")
    endif()
endif()
if(NOT BRVT_HAVE_LIBFUZZER)
    message(STATUS "Fuzzing: ${BRVT_CLANGXX} cannot link libFuzzer, skipped")
    return()
endif()

set(language_fuzzer "${CMAKE_BINARY_DIR}/language_fuzzer")
set(language_fuzzer_sources
    "${CMAKE_SOURCE_DIR}/shell/core/LanguageFile.cpp"
    "${CMAKE_SOURCE_DIR}/ui/core/FileNameRules.cpp"
    "${CMAKE_SOURCE_DIR}/tests/fuzz/language_fuzzer.cpp")
add_custom_command(
    OUTPUT "${language_fuzzer}"
    COMMAND "${BRVT_CLANGXX}" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined
            -fno-sanitize-recover=all ${BRVT_WARNINGS} "-I${CMAKE_SOURCE_DIR}"
            ${language_fuzzer_sources} -o "${language_fuzzer}"
    DEPENDS ${language_fuzzer_sources} "${CMAKE_SOURCE_DIR}/shell/core/LanguageFile.h"
            "${CMAKE_SOURCE_DIR}/ui/core/FileNameRules.h"
    COMMENT "Building language_fuzzer with clang++"
    VERBATIM)
add_custom_target(fuzz_language ALL DEPENDS "${language_fuzzer}")

add_test(NAME fuzz.language
    COMMAND "${CMAKE_COMMAND}"
            "-DFUZZER=${language_fuzzer}"
            "-DSEEDS=${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/language"
            "-DSCRATCH=${CMAKE_BINARY_DIR}/fuzz/language"
            -P "${CMAKE_CURRENT_LIST_FILE}")
set_tests_properties(fuzz.language PROPERTIES TIMEOUT 120 LABELS fuzz)
