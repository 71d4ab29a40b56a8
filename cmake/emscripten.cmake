# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles for the web page with Debian's emscripten (its system libraries come prebuilt: no
# network, no cache written). Wasm exceptions, so that an error thrown in a handler reaches the
# form's error boundary as on the desktops; the program compiled to JavaScript instead, for
# browsers that run no WebAssembly (MENIVOR_WEB_FALLBACK), cannot have them: emscripten's
# JavaScript exceptions keep the same boundary there.
find_program(MENIVOR_EMCC emcc REQUIRED)
get_filename_component(emcc_real "${MENIVOR_EMCC}" REALPATH)
get_filename_component(emscripten_root "${emcc_real}" DIRECTORY)
include("${emscripten_root}/cmake/Modules/Platform/Emscripten.cmake")
if(MENIVOR_WEB_FALLBACK)
    set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions")
else()
    set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions")
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions")
endif()
# Debian's emscripten finds acorn (its JavaScript optimiser's parser) among Debian's node modules;
# a node from elsewhere on the PATH looks only in its own.
if(EXISTS /usr/share/nodejs/acorn)
    set(CMAKE_CXX_COMPILER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
    set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
endif()
