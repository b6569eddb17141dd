# One gauge module per deliverable: the family's instrument source compiled with the deliverable's build
# profile, named <gauge name>.gau, exporting Linkage and ImportTable and nothing else.
#
# Natively a module is a shared object with its bitmaps in <gauge name>.res/<id>.bmp beside it. In the
# Windows builds (cmake/toolchains) it is a DLL with the same bitmaps linked in as BITMAP resources under
# their resource numbers: the artwork step lists a module's BMP files in the global property
# GAUGE_BITMAPS_<gauge name>, each file named <decimal resource id>.bmp, and every path listed there by the
# end of the configure run goes into the DLL. Whatever writes those files at build time must be a dependency
# of the module's target.

set(GAUGE_OUTPUT_DIR ${CMAKE_BINARY_DIR}/gauges)

include(${CMAKE_CURRENT_LIST_DIR}/gauge_names.cmake)

if(WIN32)
    enable_language(RC)
endif()

# add_gauge(NAME FAMILY [FACEPLATE HEADER] [WITHOUT ELEMENT_OR_HOTSPOT...]): the deliverable NAME, built from
# instruments/FAMILY/FAMILY.cpp with the profile builds/NAME.h. Every deliverable is listed in the global
# property GAUGE_DELIVERABLES; the element and hotspot names of instruments/FAMILY/FAMILY_faceplate.h become
# the gauge's names in scripts and traces. A build whose faceplate leaves elements out either names its own
# numbering header (FACEPLATE HEADER, read from instruments/FAMILY/) or lists the names it leaves out of its
# chain and hotspot table after WITHOUT (the ones after them move up).
function(add_gauge name family)
    cmake_parse_arguments(GAUGE "" "FACEPLATE" "WITHOUT" ${ARGN})
    if(NOT GAUGE_FACEPLATE)
        set(GAUGE_FACEPLATE ${family}_faceplate.h)
    endif()
    add_gauge_module(${name} ${PROJECT_SOURCE_DIR}/instruments/${family}/${family}.cpp
        ${PROJECT_SOURCE_DIR}/instruments/${family} ${PROJECT_SOURCE_DIR}/builds)
    if(GAUGE_WITHOUT)
        gauge_faceplate_names(${name} ${PROJECT_SOURCE_DIR}/instruments/${family}/${GAUGE_FACEPLATE}
            WITHOUT ${GAUGE_WITHOUT})
    else()
        gauge_faceplate_names(${name} ${PROJECT_SOURCE_DIR}/instruments/${family}/${GAUGE_FACEPLATE})
    endif()
    set_property(GLOBAL APPEND PROPERTY GAUGE_DELIVERABLES ${name})
endfunction()

# add_gauge_module(NAME SOURCE [INCLUDE_DIR...]): a gauge module from one source, with the framework and
# the given folders on its include path; the profile header NAME.h is reached as GAUGE_PROFILE.
function(add_gauge_module name source)
    add_library(${name} MODULE ${source})
    set_target_properties(${name} PROPERTIES
        PREFIX ""
        SUFFIX ".gau"
        OUTPUT_NAME ${name}
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        LIBRARY_OUTPUT_DIRECTORY ${GAUGE_OUTPUT_DIR}
        RUNTIME_OUTPUT_DIRECTORY ${GAUGE_OUTPUT_DIR})
    # C++ only: in the Windows builds the module also has a resource script, which windres compiles.
    target_compile_definitions(${name} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:GAUGE_PROFILE=\"${name}.h\">")
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/framework ${ARGN})
    target_compile_options(${name} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti -Wall -Wextra>)
    if(WIN32)
        # The sounds: PlaySoundA from WINMM, as the simulator expects of a gauge.
        target_link_libraries(${name} PRIVATE winmm)
        # What ships carries no symbol table: a fifth of the size.
        target_link_options(${name} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
        # No thread-local storage directory (framework/no_tls_callbacks.cpp).
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/framework/no_tls_callbacks.cpp)
        # A base address of its own, derived from the name, and the relocations to load anywhere else: the
        # simulator loads a dozen gauges into one process.
        target_link_options(${name} PRIVATE -Wl,--enable-auto-image-base -Wl,--dynamicbase)
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
            # Header versions the loaders of the simulator's time accept: 4.0 is the newest every one of
            # them takes (a newer one is refused as "not a valid Win32 application"), and a GUI DLL, as the
            # simulator itself is.
            target_link_options(${name} PRIVATE -Wl,--subsystem,windows:4.0
                -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
        endif()
        # Deferred calls expand their arguments when they run: the name goes in as written now.
        cmake_language(EVAL CODE
            "cmake_language(DEFER DIRECTORY [[${PROJECT_SOURCE_DIR}]] CALL _gauge_link_bitmaps [[${name}]])")
    else()
        target_link_options(${name} PRIVATE
            -Wl,--version-script=${PROJECT_SOURCE_DIR}/framework/exports.map -Wl,--no-undefined)
        target_link_libraries(${name} PRIVATE m)
    endif()
endfunction()

# Runs at the end of the configure run, when the artwork step has listed every bitmap: writes the module's
# resource script, one BITMAP line per file, and adds it to the module.
function(_gauge_link_bitmaps name)
    get_property(bitmaps GLOBAL PROPERTY GAUGE_BITMAPS_${name})
    if(NOT bitmaps)
        return()
    endif()
    set(script "// The bitmaps of ${name}, by resource number. Written by the build; do not edit.\n")
    set(seen "")
    set(files "")
    foreach(bmp IN LISTS bitmaps)
        get_filename_component(id ${bmp} NAME_WE)
        if(NOT id MATCHES "^[0-9]+$" OR id EQUAL 0 OR id GREATER 65535)
            message(FATAL_ERROR "${name}: bitmap ${bmp} is not named after a resource number (1-65535)")
        endif()
        if(id IN_LIST seen)
            message(FATAL_ERROR "${name}: two bitmaps for resource ${id}")
        endif()
        list(APPEND seen ${id})
        get_filename_component(bmp ${bmp} ABSOLUTE BASE_DIR ${PROJECT_SOURCE_DIR})
        list(APPEND files ${bmp})
        string(APPEND script "${id} BITMAP \"${bmp}\"\n")
    endforeach()
    set(rc ${CMAKE_BINARY_DIR}/resources/${name}.rc)
    file(CONFIGURE OUTPUT ${rc} CONTENT "${script}" @ONLY)
    target_sources(${name} PRIVATE ${rc})
    set_source_files_properties(${rc} TARGET_DIRECTORY ${name} PROPERTIES OBJECT_DEPENDS "${files}")
endfunction()
