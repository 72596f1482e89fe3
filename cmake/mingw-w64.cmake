# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Cross-compiling for Windows with Debian's MinGW-w64 (the win32 thread
# model: the program has one thread). The release is one 32-bit executable,
# which runs on Windows 7 SP1 to 11, on 32-bit and 64-bit machines alike.
# ZERKOVAN_WINDOWS_ARCH=x86_64 makes a 64-bit twin of it from the same
# sources, for a host whose Wine cannot run 32-bit programs.
set(ZERKOVAN_WINDOWS_ARCH i686 CACHE STRING "i686 (the release) or x86_64")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZERKOVAN_WINDOWS_ARCH)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ZERKOVAN_WINDOWS_ARCH})
set(triplet ${ZERKOVAN_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-win32)
set(CMAKE_CXX_COMPILER ${triplet}-g++-win32)
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The headers refuse what Windows 7 lacks: anything newer is looked up at
# run time. SSE2 arithmetic rounds doubles as every other build does, not
# in the x87's 80 bits. MinGW's own printf and scanf, not msvcrt's.
set(CMAKE_CXX_FLAGS_INIT "-D_WIN32_WINNT=0x0601 -DWINVER=0x0601 -DUNICODE -D_UNICODE -D__USE_MINGW_ANSI_STDIO=1 -msse2 -mfpmath=sse -ffunction-sections -fdata-sections")
set(CMAKE_RC_FLAGS_INIT "-D_WIN32_WINNT=0x0601 -DWINVER=0x0601")
# No DLL beside the program: the GCC runtime and libstdc++ are linked in.
# No time stamp in the PE header: built twice, the program is the same file.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections -Wl,--no-insert-timestamp")
