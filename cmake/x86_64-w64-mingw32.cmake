# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross build for 64-bit Windows with Debian's MinGW-w64 (the packages
# g++-mingw-w64-x86-64-posix and gcc-mingw-w64-x86-64-posix). MinGW's GCC keeps
# the 80-bit x87 long double that every result of the program is computed in.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes linked in, so a program runs without MinGW's DLLs
# beside it (under Wine as on a bare Windows).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# How ctest and CMake start the programs built here.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
