# 64-bit Windows (PE32+, x86-64): the gauge modules and panelhost.exe, which Wine runs on this machine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(GAUGE_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
