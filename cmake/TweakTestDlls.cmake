# Small self-registering DLLs for the tests of the in-process registration:
# one that registers at once, one whose exports fail, one without
# DllUnregisterServer, one that waits past the worker's limit, and one that
# needs a DLL beside it. They go to one folder, where the immediate one also
# stands under the names of the system DLLs that the pages register, which
# Wine does not ship; the harness puts those into the prefix's system folder.
set(BRVT_TEST_DLL_DIR ${CMAKE_BINARY_DIR}/test-dlls)
set(brvt_test_dlls)
add_library(reg_helper SHARED tests/wine/dlls/helper_dll.cpp)
target_compile_definitions(reg_helper PRIVATE ${BRVT_WIN_DEFINES})
target_link_options(reg_helper PRIVATE -static -static-libgcc -Wl,--kill-at)
set_target_properties(reg_helper PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${BRVT_TEST_DLL_DIR})
foreach(kind IMMEDIATE FAILING REGISTER_ONLY SLOW DEPENDENT)
    string(TOLOWER "reg_${kind}" dll)
    add_library(${dll} SHARED tests/wine/dlls/registration_dll.cpp)
    target_compile_definitions(${dll} PRIVATE REGISTRATION_${kind} ${BRVT_WIN_DEFINES})
    target_compile_options(${dll} PRIVATE ${BRVT_WARNINGS})
    # Undecorated exports on 32-bit too, and no runtime DLLs beside them.
    target_link_options(${dll} PRIVATE -static -static-libgcc -static-libstdc++ -Wl,--kill-at)
    target_include_directories(${dll} PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${dll} PRIVATE user32 advapi32)
    set_target_properties(${dll} PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${BRVT_TEST_DLL_DIR})
    list(APPEND brvt_test_dlls ${dll})
endforeach()
target_link_libraries(reg_dependent PRIVATE reg_helper)
foreach(system_name shimgvw.dll zipfldr.dll)
    add_custom_command(TARGET reg_immediate POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:reg_immediate> ${BRVT_TEST_DLL_DIR}/${system_name}
        VERBATIM)
endforeach()
foreach(test_name registration_test tweak_pages_test)
    if(TARGET ${test_name})
        add_dependencies(${test_name} ${brvt_test_dlls})
    endif()
endforeach()
