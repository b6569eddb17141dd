# The host's header-only libraries in a cross build. Debian installs nlohmann-json, CLI11 and toml++ for
# Linux in /usr/include, which a cross compiler rightly does not search: putting /usr/include itself on its
# path would bring glibc's headers in ahead of the Windows ones. So each library's own folder, and nothing
# else, is linked into a folder of the build tree, and offered under the target name its package defines.

set(_cross_headers ${CMAKE_BINARY_DIR}/cross-headers)

# _cross_header_library(TARGET FOLDER [OPTIONAL] [DEFINITIONS...])
function(_cross_header_library target folder)
    set(definitions ${ARGN})
    list(REMOVE_ITEM definitions OPTIONAL)
    if(TARGET ${target})
        return()
    endif()
    find_path(_found_${folder} ${folder} PATHS /usr/include /usr/local/include
        NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT _found_${folder})
        if(OPTIONAL IN_LIST ARGN)
            return()
        endif()
        message(FATAL_ERROR "${folder}/ not found in /usr/include: install the package that provides ${target}")
    endif()
    file(MAKE_DIRECTORY ${_cross_headers})
    file(CREATE_LINK ${_found_${folder}}/${folder} ${_cross_headers}/${folder} SYMBOLIC)
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES ${_cross_headers}
        INTERFACE_COMPILE_DEFINITIONS "${definitions}")
endfunction()

_cross_header_library(nlohmann_json::nlohmann_json nlohmann)
_cross_header_library(CLI11::CLI11 CLI)
# Debian builds toml++ as a Linux library as well; across the border it is used in its header-only form.
_cross_header_library(tomlplusplus::tomlplusplus toml++ OPTIONAL TOML_HEADER_ONLY=1)
