# Native build of the Windows-free code, run under AddressSanitizer and UBSan.
find_package(GTest REQUIRED)
include(GoogleTest)

set(BRVT_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
target_compile_options(brvt_core PUBLIC ${BRVT_SANITIZE})
target_link_options(brvt_core PUBLIC ${BRVT_SANITIZE})

file(GLOB BRVT_HOST_TESTS CONFIGURE_DEPENDS tests/host/*_test.cpp)
if(BRVT_HOST_TESTS)
    add_executable(host_tests ${BRVT_HOST_TESTS})
    target_compile_options(host_tests PRIVATE ${BRVT_WARNINGS})
    target_link_libraries(host_tests PRIVATE brvt_core GTest::gtest_main)
    gtest_discover_tests(host_tests TEST_PREFIX "host." DISCOVERY_TIMEOUT 30)
endif()

# Coverage-guided fuzzing of the parsers, with clang and libFuzzer, for a bounded time.
include(cmake/Fuzz.cmake OPTIONAL)
