# Windows x86_64 test programs: unit tests and the end-to-end driver under Wine.
set(SCRIPTGEN_ARCH x86_64)
set(SCRIPTGEN_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
