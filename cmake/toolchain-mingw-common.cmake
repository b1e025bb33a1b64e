# mingw-w64 with a static runtime. The thread model is the preset's choice:
# win32 for the programs as shipped, whose runtime then imports nothing that
# Windows XP lacks (the posix model's thread library needs GetTickCount64);
# posix where the tests are built, since GoogleTest needs std::mutex, which
# the win32 model of GCC 12 lacks.
set(BRVT_THREAD_MODEL posix CACHE STRING "Thread model of the mingw-w64 compilers: posix or win32")
set_property(CACHE BRVT_THREAD_MODEL PROPERTY STRINGS posix win32)
set(CMAKE_C_COMPILER ${BRVT_MINGW_TRIPLE}-gcc-${BRVT_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${BRVT_MINGW_TRIPLE}-g++-${BRVT_THREAD_MODEL})
set(CMAKE_RC_COMPILER ${BRVT_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BRVT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
