# Cross build for Windows with mingw-w64, shared by the toolchain files of this folder, which set
#   BRELA_MINGW_ARCH      x86_64 or i686
#   BRELA_MINGW_COMPILER  gcc (the -posix flavour: the win32 one has no std::mutex) or clang
# Tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${BRELA_MINGW_ARCH})
set(brela_triple ${BRELA_MINGW_ARCH}-w64-mingw32)
if(BRELA_MINGW_COMPILER STREQUAL "clang")
  set(CMAKE_C_COMPILER clang)
  set(CMAKE_CXX_COMPILER clang++)
  set(CMAKE_C_COMPILER_TARGET ${brela_triple})
  set(CMAKE_CXX_COMPILER_TARGET ${brela_triple})
  # clang finds mingw's headers and libraries but not the libstdc++ of Debian's gcc, whose folder
  # is named after the thread flavour (12-posix).
  file(GLOB brela_gcc_dirs LIST_DIRECTORIES true /usr/lib/gcc/${brela_triple}/*-posix)
  if(NOT brela_gcc_dirs)
    message(FATAL_ERROR "clang for ${brela_triple} takes the C++ library of mingw-w64's posix g++, "
                        "which is missing (scripts/install-deps.sh)")
  endif()
  list(SORT brela_gcc_dirs COMPARE NATURAL ORDER DESCENDING)
  list(GET brela_gcc_dirs 0 brela_gcc_dir)
  set(CMAKE_CXX_FLAGS_INIT
      "-isystem ${brela_gcc_dir}/include/c++ -isystem ${brela_gcc_dir}/include/c++/${brela_triple}")
  # libstdc++ of the posix flavour needs winpthread, which only gcc's driver adds (lld finds it
  # wherever it stands on the line).
  set(brela_linker_flags "-fuse-ld=lld -L${brela_gcc_dir} -lpthread")
else()
  set(CMAKE_C_COMPILER ${brela_triple}-gcc-posix)
  set(CMAKE_CXX_COMPILER ${brela_triple}-g++-posix)
  set(brela_linker_flags "")
endif()
set(CMAKE_RC_COMPILER ${brela_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${brela_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# No MinGW DLLs to find at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ ${brela_linker_flags}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${brela_linker_flags}")
# Release executables without the debug sections that mingw-w64's static runtime brings along.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${brela_linker_flags}")
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run")
