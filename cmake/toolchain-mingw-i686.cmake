# Cross build of the Windows player: 32-bit, mingw-w64.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VX_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain-common.cmake)
