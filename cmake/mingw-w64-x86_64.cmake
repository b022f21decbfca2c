# Cross build for 64-bit Windows with mingw-w64's gcc.
set(BRELA_MINGW_ARCH x86_64)
set(BRELA_MINGW_COMPILER gcc)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
