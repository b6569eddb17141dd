# 32-bit Windows (PE32, i686): the simulator's own architecture. The gauge modules of the suite.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(GAUGE_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
