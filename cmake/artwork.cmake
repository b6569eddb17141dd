# The artwork pipeline: the SVG sources of an instrument family, resources/<family>/<id>-<what>.svg (decimal
# resource id first), rendered for one deliverable at their own size by rsvg-convert and written by
# artwork-bmp as Windows bitmaps, build/gauges/<gauge name>.res/<id>.bmp, where the host finds them beside
# the module. A source may hold @NAME@ placeholders that differ between the builds of a family (the label
# on the faceplate); the deliverable gives their values.
#
#   gauge_artwork(GAUGE FAMILY [SET NAME=VALUE...] [TRUE_COLOUR ID...] [AS ID=[ID,...]...])
#
# Bitmaps are 8-bit palette images, except the ids listed after TRUE_COLOUR, which are written with 24 bits.
# AS gives the resource ids a source is written as in this deliverable, when they are not its own: a
# picture several ids show, a build that numbers its bitmaps differently, or (with nothing after the =) a
# picture the build does not use.
# Afterwards the global property GAUGE_BITMAPS_<gauge> lists the bitmap files (file stem = resource id),
# the target <gauge>_artwork makes them, and the gauge's module depends on it.

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(ARTWORK_BMP "" CACHE FILEPATH "a native artwork-bmp to use instead of the one this build makes (cross builds)")

function(gauge_artwork gauge family)
    cmake_parse_arguments(ART "" "" "SET;TRUE_COLOUR;AS" ${ARGN})
    foreach(assignment IN LISTS ART_SET)
        if(NOT assignment MATCHES "^([A-Za-z_][A-Za-z0-9_]*)=(.*)$")
            message(FATAL_ERROR "gauge_artwork(${gauge}): '${assignment}' is not NAME=VALUE")
        endif()
        set(${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
    endforeach()
    foreach(renumbering IN LISTS ART_AS)
        if(NOT renumbering MATCHES "^([0-9]+)=([0-9,]*)$")
            message(FATAL_ERROR "gauge_artwork(${gauge}): '${renumbering}' is not ID=ID,ID...")
        endif()
        string(REPLACE "," ";" _as_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
        set(_as_${CMAKE_MATCH_1}_given TRUE)
    endforeach()

    if(ARTWORK_BMP)
        set(tool ${ARTWORK_BMP})
        set(tool_dependency "")
    else()
        set(tool artwork-bmp)
        set(tool_dependency artwork-bmp)
    endif()

    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/${family}/*.svg)
    if(NOT sources)
        message(FATAL_ERROR "gauge_artwork(${gauge}): no artwork in resources/${family}")
    endif()
    set(work ${CMAKE_BINARY_DIR}/artwork/${gauge})
    set(bitmaps "")
    set(ids "")
    foreach(source IN LISTS sources)
        get_filename_component(stem ${source} NAME_WE)
        if(NOT stem MATCHES "^([0-9]+)(-|$)")
            message(FATAL_ERROR "${source}: an artwork source is named after its resource id, such as 256-background.svg")
        endif()
        math(EXPR source_id "${CMAKE_MATCH_1}")
        set(svg ${work}/${source_id}.svg)
        configure_file(${source} ${svg} @ONLY)
        set(output_ids ${source_id})
        if(_as_${source_id}_given)
            set(output_ids ${_as_${source_id}})
        endif()
        foreach(id IN LISTS output_ids)
            if(id IN_LIST ids)
                message(FATAL_ERROR "resources/${family}: two sources for resource ${id}")
            endif()
            list(APPEND ids ${id})

            set(bits 8)
            if(id IN_LIST ART_TRUE_COLOUR)
                set(bits 24)
            endif()
            set(png ${work}/${id}.png)
            set(bmp ${GAUGE_OUTPUT_DIR}/${gauge}.res/${id}.bmp)
            add_custom_command(OUTPUT ${bmp}
                COMMAND ${RSVG_CONVERT} --format png --output ${png} ${svg}
                COMMAND ${tool} ${png} ${bmp} --bits ${bits}
                DEPENDS ${svg} ${tool_dependency}
                COMMENT "Artwork of ${gauge}: bitmap ${id}"
                VERBATIM)
            list(APPEND bitmaps ${bmp})
        endforeach()
    endforeach()

    add_custom_target(${gauge}_artwork ALL DEPENDS ${bitmaps})
    add_dependencies(${gauge} ${gauge}_artwork)
    set_property(GLOBAL PROPERTY GAUGE_BITMAPS_${gauge} ${bitmaps})
endfunction()
