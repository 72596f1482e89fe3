# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# Qt for MinGW is found through ZERKOVAN_QT_MINGW (a folder, given on the
# command line or in the environment); the host tools (moc, rcc, uic) come
# from the build machine's own Qt.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT ZERKOVAN_QT_MINGW)
    set(ZERKOVAN_QT_MINGW $ENV{ZERKOVAN_QT_MINGW})
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZERKOVAN_QT_MINGW)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${ZERKOVAN_QT_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
set(CMAKE_PREFIX_PATH ${ZERKOVAN_QT_MINGW})
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# No time stamp in the PE header of the program or a DLL: built twice, the
# program is the same file.
set(CMAKE_EXE_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
