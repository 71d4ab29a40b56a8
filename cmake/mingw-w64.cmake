# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiles the native Windows program with Debian's MinGW-w64 (the win32 thread model, so
# that nothing needs libwinpthread). MENIVOR_WINDOWS_ARCH picks the machine: x86_64 (default) or
# i686, e.g. cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DMENIVOR_WINDOWS_ARCH=i686.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT MENIVOR_WINDOWS_ARCH)
    set(MENIVOR_WINDOWS_ARCH x86_64)
endif()
set(MENIVOR_WINDOWS_ARCH "${MENIVOR_WINDOWS_ARCH}" CACHE STRING "x86_64 or i686")
set(CMAKE_SYSTEM_PROCESSOR ${MENIVOR_WINDOWS_ARCH})
set(triplet ${MENIVOR_WINDOWS_ARCH}-w64-mingw32)

find_program(CMAKE_C_COMPILER NAMES ${triplet}-gcc-win32 ${triplet}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${triplet}-g++-win32 ${triplet}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${triplet}-windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes go into the executable: it imports only Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
