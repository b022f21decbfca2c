# Cross build for 64-bit Windows with Debian's clang, lld and mingw-w64's headers and libraries.
set(BRELA_MINGW_ARCH x86_64)
set(BRELA_MINGW_COMPILER clang)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
