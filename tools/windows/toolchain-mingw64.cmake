# Cross-compiling for 64-bit Windows on Debian with MinGW-w64 (POSIX threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUILLMERE_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${QUILLMERE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLMERE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLMERE_MINGW}-windres)
set(CMAKE_AR /usr/bin/${QUILLMERE_MINGW}-ar CACHE FILEPATH "ar")
set(CMAKE_RANLIB /usr/bin/${QUILLMERE_MINGW}-ranlib CACHE FILEPATH "ranlib")

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${QUILLMERE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Test programs run under Wine; Debian keeps wine64 off PATH.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(QUILLMERE_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
    if(QUILLMERE_WINE64)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${QUILLMERE_WINE64})
    endif()
endif()

# Without -static the program still imports libgcc_s_seh-1.dll: MinGW's libgcc_s.a
# is an import library, and Qt's static runtime only adds -Bstatic.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
