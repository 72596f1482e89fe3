# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Building the engine for the browser: WebAssembly with WASI's C library and
# libc++ for wasm32, by Debian's clang and lld of the LLVM version that
# ZERKOVAN_LLVM_VERSION names (scripts/wasm-llvm-version names it for each
# Debian release; packages clang-N, lld-N, libc++-N-dev-wasm32,
# libc++abi-N-dev-wasm32, libclang-rt-N-dev-wasm32, wasi-libc). The web
# edition's CMakeLists builds nothing but the engine and the site around it.
if(NOT ZERKOVAN_LLVM_VERSION)
    message(FATAL_ERROR "ZERKOVAN_LLVM_VERSION is not set (make web sets it)")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZERKOVAN_LLVM_VERSION)
set(llvm ${ZERKOVAN_LLVM_VERSION})
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_CXX_COMPILER clang++-${llvm})
# WASI's first snapshot: LLVM 18 and later call it wasm32-wasip1 and
# deprecate the old name, and WASI libc from 2024 on installs under both.
if(llvm VERSION_GREATER_EQUAL 18 AND EXISTS /usr/lib/wasm32-wasip1)
    set(triple wasm32-wasip1)
else()
    set(triple wasm32-wasi)
endif()
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(ZERKOVAN_WEB ON)

# Debian's clang finds neither the wasm32 libc++ headers nor only the
# target's C headers by itself: name them all, and nothing of the host's.
set(CMAKE_CXX_FLAGS_INIT
    "-nostdinc -isystem /usr/lib/llvm-${llvm}/include/wasm32-wasi/c++/v1 -isystem /usr/lib/llvm-${llvm}/lib/clang/${llvm}/include -isystem /usr/include/${triple} -fno-exceptions -fno-rtti -mcpu=mvp -msign-ext -mmutable-globals")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L/usr/lib/${triple}")

# The link line carries no compile flags. Given an -O flag there, clang runs
# whatever wasm-opt it finds on PATH over the module, so the result would
# depend on the machine; the optimising is done by the compiler and LTO.
set(CMAKE_CXX_LINK_EXECUTABLE
    "<CMAKE_CXX_COMPILER> --target=${triple} <CMAKE_CXX_LINK_FLAGS> <LINK_FLAGS> <OBJECTS> -o <TARGET> <LINK_LIBRARIES>")

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
