# The shipped 64-bit ScriptGen.exe: XP x64 and later.
set(SCRIPTGEN_ARCH x86_64)
set(SCRIPTGEN_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
