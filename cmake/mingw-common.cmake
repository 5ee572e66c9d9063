# Shared by the four MinGW-w64 toolchain files. Each sets SCRIPTGEN_ARCH
# (x86_64 or i686) and SCRIPTGEN_THREADS before including this one:
#   win32: the compilers of the shipped program. They link no libwinpthread, whose
#          imports (GetTickCount64 and others) keep a program off Windows before Vista.
#   posix: the compilers of the tests, which GoogleTest needs for std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${SCRIPTGEN_ARCH})
set(CMAKE_C_COMPILER ${SCRIPTGEN_ARCH}-w64-mingw32-gcc-${SCRIPTGEN_THREADS})
set(CMAKE_CXX_COMPILER ${SCRIPTGEN_ARCH}-w64-mingw32-g++-${SCRIPTGEN_THREADS})
set(CMAKE_RC_COMPILER ${SCRIPTGEN_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${SCRIPTGEN_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Windows test programs run under Wine (32-bit ones too, in a WoW64 prefix).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
