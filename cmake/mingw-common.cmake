# The test programs need the posix thread model; the product needs no threads and takes the
# win32 one, which links no winpthread.
if(NOT KEYSTEAD_MINGW_THREADS)
  set(KEYSTEAD_MINGW_THREADS posix)
endif()
set(CMAKE_C_COMPILER ${KEYSTEAD_MINGW_TRIPLE}-gcc-${KEYSTEAD_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${KEYSTEAD_MINGW_TRIPLE}-g++-${KEYSTEAD_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${KEYSTEAD_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KEYSTEAD_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables run under Wine; the script keeps a throw-away prefix per build.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)

# Nothing to install beside the .exe: the C and C++ runtimes (and winpthread, with the posix
# thread model) go in statically.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Release programs carry no symbols: the .exe is what users download.
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-s")
