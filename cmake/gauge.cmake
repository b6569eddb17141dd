# One gauge module per deliverable: the family's instrument source compiled with the deliverable's build
# profile, named <gauge name>.gau, exporting Linkage and ImportTable and nothing else.

set(GAUGE_OUTPUT_DIR ${CMAKE_BINARY_DIR}/gauges)

function(add_gauge name family)
    set(source ${PROJECT_SOURCE_DIR}/instruments/${family}/${family}.cpp)
    add_library(${name} MODULE ${source})
    set_target_properties(${name} PROPERTIES
        PREFIX ""
        SUFFIX ".gau"
        OUTPUT_NAME ${name}
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        LIBRARY_OUTPUT_DIRECTORY ${GAUGE_OUTPUT_DIR}
        RUNTIME_OUTPUT_DIRECTORY ${GAUGE_OUTPUT_DIR})
    target_compile_definitions(${name} PRIVATE "GAUGE_PROFILE=\"${name}.h\"")
    target_include_directories(${name} PRIVATE
        ${PROJECT_SOURCE_DIR}/framework
        ${PROJECT_SOURCE_DIR}/instruments/${family}
        ${PROJECT_SOURCE_DIR}/builds)
    target_compile_options(${name} PRIVATE -fno-exceptions -fno-rtti -Wall -Wextra)
    if(NOT WIN32)
        target_link_options(${name} PRIVATE
            -Wl,--version-script=${PROJECT_SOURCE_DIR}/framework/exports.map -Wl,--no-undefined)
        target_link_libraries(${name} PRIVATE m)
    endif()
    set_property(GLOBAL APPEND PROPERTY GAUGE_DELIVERABLES ${name})
endfunction()
