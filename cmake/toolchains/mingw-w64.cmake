# Cross builds for Windows with Debian's mingw-w64. Included by the two toolchain files beside this one,
# after they set GAUGE_MINGW_TRIPLE.
#
# Everything built here links the C and C++ runtimes statically, so that a module or panelhost.exe needs
# nothing on the user's machine but the system DLLs (KERNEL32, msvcrt, and WINMM for the click sounds).

set(CMAKE_SYSTEM_NAME Windows)

find_program(CMAKE_C_COMPILER   ${GAUGE_MINGW_TRIPLE}-gcc     REQUIRED)
find_program(CMAKE_CXX_COMPILER ${GAUGE_MINGW_TRIPLE}-g++     REQUIRED)
find_program(CMAKE_RC_COMPILER  ${GAUGE_MINGW_TRIPLE}-windres REQUIRED)
find_program(CMAKE_OBJDUMP      ${GAUGE_MINGW_TRIPLE}-objdump REQUIRED)

# Headers, libraries and packages come from the cross toolchain's own tree only: never glibc's. The
# header-only libraries the host needs from /usr/include are added one by one (cmake/header_only.cmake).
set(CMAKE_FIND_ROOT_PATH /usr/${GAUGE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
