# Windows i686 test programs: the unit tests under 32-bit Wine.
set(SCRIPTGEN_ARCH i686)
set(SCRIPTGEN_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
