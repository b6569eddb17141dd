# The Windows builds, each a build tree of its own inside the native one, configured with a toolchain
# file of cmake/toolchains and brought up to date by every native build:
#   windows-i686/    the gauge modules as the simulator loads them (PE32, i686): what dist/ ships
#   windows-x86_64/  the gauge modules and panelhost.exe for x86-64, which the tests run under Wine
# They can also be built alone: cmake --preset windows-i686 (or windows-x86_64), see CMakePresets.json.
# -DGAUGE_WINDOWS_BUILDS=OFF leaves them out: a native-only build, without the Windows checks and dist.

option(GAUGE_WINDOWS_BUILDS "cross-build the Windows modules and panelhost.exe with mingw-w64" ON)

if(GAUGE_WINDOWS_BUILDS)
    include(ExternalProject)
    # Build tools run on this machine: where the native build makes the artwork tool, the Windows builds
    # use it instead of cross-building their own.
    set(native_tools "")
    set(native_tool_targets "")
    if(TARGET artwork-bmp)
        list(APPEND native_tools -DARTWORK_BMP=$<TARGET_FILE:artwork-bmp>)
        list(APPEND native_tool_targets artwork-bmp)
    endif()
    foreach(arch i686 x86_64)
        find_program(GAUGE_MINGW_CXX_${arch} ${arch}-w64-mingw32-g++)
        if(NOT GAUGE_MINGW_CXX_${arch})
            message(FATAL_ERROR "${arch}-w64-mingw32-g++ not found: install mingw-w64 (tools/install-packages "
                                "does), or configure with -DGAUGE_WINDOWS_BUILDS=OFF for a native-only build")
        endif()
        set(WINDOWS_${arch}_DIR ${CMAKE_BINARY_DIR}/windows-${arch})
        ExternalProject_Add(windows_${arch}
            SOURCE_DIR ${PROJECT_SOURCE_DIR}
            BINARY_DIR ${WINDOWS_${arch}_DIR}
            CMAKE_ARGS
                -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/toolchains/mingw-${arch}.cmake
                -DCMAKE_BUILD_TYPE=Release
                -DBUILD_TESTING=${BUILD_TESTING}
                ${native_tools}
            DEPENDS ${native_tool_targets}
            INSTALL_COMMAND ""
            BUILD_ALWAYS ON)
    endforeach()
    find_program(GAUGE_MINGW_OBJDUMP_i686 i686-w64-mingw32-objdump REQUIRED)
    find_program(GAUGE_MINGW_OBJDUMP_x86_64 x86_64-w64-mingw32-objdump REQUIRED)
endif()
