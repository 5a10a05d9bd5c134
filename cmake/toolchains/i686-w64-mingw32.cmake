# Cross build for 32-bit Windows, the platform the program was first made for.
set(MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
