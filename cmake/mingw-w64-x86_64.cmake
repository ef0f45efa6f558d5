# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# The runtime is linked statically so the .exe files run under Wine (and on a
# bare Windows machine) without any MinGW DLL beside them. With Qt as DLLs
# (VORLAN_MINGW_SHARED_RUNTIME=ON) the program shares Qt's runtime DLLs
# instead, so that one C++ runtime is in the process.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VORLAN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VORLAN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORLAN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VORLAN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VORLAN_MINGW_PREFIX} ${VORLAN_MINGW_EXTRA_ROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES
     VORLAN_MINGW_SHARED_RUNTIME VORLAN_MINGW_EXTRA_ROOT)
if(NOT VORLAN_MINGW_SHARED_RUNTIME)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
endif()

# Test binaries are .exe files: run them (discovery and tests) under Wine,
# and only when ctest runs, never while building. The 64-bit loader first:
# Debian's `wine` command takes the 32-bit one when it is installed, and that
# one fails on kernels without 32-bit support (the scripts pass VORLAN_WINE).
find_program(VORLAN_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(VORLAN_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VORLAN_WINE})
endif()
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
