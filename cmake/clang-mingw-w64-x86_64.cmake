# Cross-compiles the Windows program on Linux with Clang for the MinGW-w64 target: a second compiler
# over the same sources, for what GCC lets through. Debian's clang finds the MinGW-w64 headers and
# import libraries but not its GCC's C++ library, which lives in a folder per thread model
# (12-win32, 12-posix). The win32 model's libstdc++ is used: the program starts no threads, and the
# posix one would pull in winpthreads with a link order clang's driver does not give.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(VARDEK_MINGW_SYSROOT /usr/x86_64-w64-mingw32)
# The newest GCC that has the win32 thread model's C++ library, e.g. /usr/lib/gcc/x86_64-w64-mingw32/12-win32.
file(GLOB VARDEK_MINGW_GCC_DIRS LIST_DIRECTORIES true /usr/lib/gcc/x86_64-w64-mingw32/*-win32)
list(FILTER VARDEK_MINGW_GCC_DIRS INCLUDE REGEX "/[0-9]+-win32$")
list(SORT VARDEK_MINGW_GCC_DIRS COMPARE NATURAL ORDER DESCENDING)
list(GET VARDEK_MINGW_GCC_DIRS 0 VARDEK_MINGW_GCC_DIR)
if(NOT EXISTS "${VARDEK_MINGW_GCC_DIR}/include/c++/x86_64-w64-mingw32/bits/c++config.h")
  message(FATAL_ERROR "No C++ library of MinGW-w64's GCC, win32 thread model (Debian: g++-mingw-w64-x86-64-win32)")
endif()

# The sysroot keeps the host's /usr/include and /usr/include/c++ out of the search; the C++ headers
# are named outright, as system headers so that their warnings are not the project's.
set(CMAKE_SYSROOT ${VARDEK_MINGW_SYSROOT})
set(CMAKE_CXX_FLAGS_INIT
    "-isystem ${VARDEK_MINGW_GCC_DIR}/include/c++ -isystem ${VARDEK_MINGW_GCC_DIR}/include/c++/x86_64-w64-mingw32")
# -L finds libstdc++, libgcc and libgcc_eh; -B lets the driver find GCC's crtbegin.o and crtend.o there.
# lld, the linker that Clang-based MinGW toolchains ship, links: the whole build is LLVM's but for
# the resources.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -B${VARDEK_MINGW_GCC_DIR} -L${VARDEK_MINGW_GCC_DIR}")

set(CMAKE_FIND_ROOT_PATH ${VARDEK_MINGW_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
