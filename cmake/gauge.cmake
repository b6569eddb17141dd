# Gauge modules: one source compiled with the framework into <gauge name>.gau, exporting Linkage and
# ImportTable and nothing else.

set(GAUGE_OUTPUT_DIR ${CMAKE_BINARY_DIR}/gauges)

function(add_gauge_module name source output_dir)
    add_library(${name} MODULE ${source})
    set_target_properties(${name} PROPERTIES
        PREFIX ""
        SUFFIX ".gau"
        OUTPUT_NAME ${name}
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        LIBRARY_OUTPUT_DIRECTORY ${output_dir}
        RUNTIME_OUTPUT_DIRECTORY ${output_dir})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/framework)
    target_compile_options(${name} PRIVATE -fno-exceptions -fno-rtti -Wall -Wextra)
    if(NOT WIN32)
        target_link_options(${name} PRIVATE
            -Wl,--version-script=${PROJECT_SOURCE_DIR}/framework/exports.map -Wl,--no-undefined)
        target_link_libraries(${name} PRIVATE m)
    endif()
endfunction()

# A deliverable: the family's instrument source with the build profile builds/<name>.h.
function(add_gauge name family)
    add_gauge_module(${name} ${PROJECT_SOURCE_DIR}/instruments/${family}/${family}.cpp ${GAUGE_OUTPUT_DIR})
    target_compile_definitions(${name} PRIVATE "GAUGE_PROFILE=\"${name}.h\"")
    target_include_directories(${name} PRIVATE
        ${PROJECT_SOURCE_DIR}/instruments/${family}
        ${PROJECT_SOURCE_DIR}/builds)
    set_property(GLOBAL APPEND PROPERTY GAUGE_DELIVERABLES ${name})
endfunction()
