# Cross-build for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, so
# std::thread and std::mutex work). The runtime is linked statically: the programs need no
# MinGW DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QX71_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QX71_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QX71_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QX71_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QX71_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Header-only packages (CLI11, nlohmann-json) come from the build machine's /usr/share.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs and the build-time generators run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine-run)
