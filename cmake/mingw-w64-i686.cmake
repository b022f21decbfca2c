# Cross build for 32-bit Windows with mingw-w64's gcc: the release's executables, which run on
# 32-bit and 64-bit Windows alike.
set(BRELA_MINGW_ARCH i686)
set(BRELA_MINGW_COMPILER gcc)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
