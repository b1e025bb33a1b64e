# mingw-w64 with the posix thread model (std::thread, std::mutex) and a static runtime.
set(CMAKE_C_COMPILER ${BRVT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRVT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BRVT_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BRVT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
