# The shipped 32-bit ScriptGen.exe: Windows 95 (with msvcrt.dll) and NT 4.0 to 11.
set(SCRIPTGEN_ARCH i686)
set(SCRIPTGEN_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
