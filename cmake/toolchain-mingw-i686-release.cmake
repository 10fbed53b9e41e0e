# The 32-bit product users download: the win32 thread model, so no winpthread goes in.
set(KEYSTEAD_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-i686.cmake)
