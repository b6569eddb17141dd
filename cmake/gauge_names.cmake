# The names of every gauge's elements and hotspots, for scripts and traces: "element standby_display"
# instead of "element 3". Each instrument numbers its faceplate and hotspot table with two enums in its
# <family>_faceplate.h,
#     enum Element : int { BACKGROUND = 1, ACTIVE_DISPLAY, ..., ELEMENT_COUNT = POWER_KNOB };
#     enum Hotspot : int { TRANSFER_KEY = 1, ..., HOTSPOT_COUNT = EC_KEY };
# (plain lists: one name per entry, no preprocessor lines inside), and the build reads them from there: the
# module exports nothing but Linkage and ImportTable, so the host cannot ask a module for its names. At the
# end of the configure run the names of every gauge registered here are written, in lower case and in enum
# order, to build/generated/gauge_names.inc, which the host compiles in; editing a faceplate header
# configures again.
#
#   gauge_faceplate_names(GAUGE HEADER [WITHOUT NAME...])
#
# WITHOUT names elements and hotspots of the enums that this gauge does not have (a build without the COM
# section of its family): they are left out, and the names after them take the numbers they free.

function(gauge_faceplate_names gauge header)
    if(NOT EXISTS ${header})
        message(FATAL_ERROR "${gauge}: ${header} is missing: it numbers the gauge's elements and hotspots "
                            "(enum Element and enum Hotspot, see cmake/gauge_names.cmake)")
    endif()
    cmake_parse_arguments(FACEPLATE "" "" "WITHOUT" ${ARGN})
    string(TOLOWER "${FACEPLATE_WITHOUT}" without)
    string(REPLACE ";" "," without "${without}")
    set_property(GLOBAL APPEND PROPERTY GAUGE_FACEPLATE_NAMES "${gauge}=${header}|${without}")
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
endfunction()

# The identifiers of `enum KIND ... { ... }` in HEADER, in order, without the closing count, lower case.
function(_gauge_enum_names header kind out)
    file(READ ${header} text)
    string(REGEX REPLACE "//[^\n]*" "" text "${text}")
    string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" text "${text}")
    if(NOT text MATCHES "enum[ \t\n]+((class|struct)[ \t\n]+)?${kind}[^{]*{([^}]*)}")
        message(FATAL_ERROR "${header}: no enum ${kind}")
    endif()
    string(REGEX REPLACE "[ \t\r\n]" "" body "${CMAKE_MATCH_3}")
    string(REPLACE "," ";" items "${body}")
    set(names "")
    set(position 0)
    foreach(item IN LISTS items)
        if(item STREQUAL "")
            continue()
        endif()
        if(NOT item MATCHES "^([A-Za-z_][A-Za-z0-9_]*)(=(.*))?$")
            message(FATAL_ERROR "${header}: enum ${kind}: cannot read '${item}'")
        endif()
        set(name ${CMAKE_MATCH_1})
        set(value "${CMAKE_MATCH_3}")
        if(name MATCHES "_COUNT$")
            continue()
        endif()
        math(EXPR position "${position} + 1")
        # Numbered from 1 in table order: the first says so, the others follow on.
        if(position EQUAL 1 AND NOT value STREQUAL "1")
            message(FATAL_ERROR "${header}: enum ${kind} must start at 1 (${name} = ${value})")
        elseif(position GREATER 1 AND NOT value STREQUAL "")
            message(FATAL_ERROR "${header}: enum ${kind}: ${name} must take the next number, not ${value}")
        endif()
        string(TOLOWER ${name} name)
        list(APPEND names ${name})
    endforeach()
    set(${out} ${names} PARENT_SCOPE)
endfunction()

function(_gauge_write_names)
    get_property(entries GLOBAL PROPERTY GAUGE_FACEPLATE_NAMES)
    set(text "// The element and hotspot names of every gauge, from the enums of its faceplate header.\n")
    string(APPEND text "// Written by the build (cmake/gauge_names.cmake); do not edit.\n")
    foreach(entry IN LISTS entries)
        string(REGEX MATCH "^([^=]+)=([^|]*)[|](.*)$" _ "${entry}")
        set(gauge ${CMAKE_MATCH_1})
        set(header ${CMAKE_MATCH_2})
        string(REPLACE "," ";" without "${CMAKE_MATCH_3}")
        _gauge_enum_names(${header} Element elements)
        _gauge_enum_names(${header} Hotspot hotspots)
        foreach(absent IN LISTS without)
            if(NOT absent IN_LIST elements AND NOT absent IN_LIST hotspots)
                message(FATAL_ERROR "${gauge}: ${header} names no element or hotspot '${absent}'")
            endif()
            list(REMOVE_ITEM elements ${absent})
            list(REMOVE_ITEM hotspots ${absent})
        endforeach()
        list(JOIN elements "\", \"" element_list)
        list(JOIN hotspots "\", \"" hotspot_list)
        if(hotspots)
            set(hotspot_list "\"${hotspot_list}\"")
        endif()
        string(APPEND text "{\"${gauge}\", {{\"${element_list}\"}, {${hotspot_list}}}},\n")
    endforeach()
    file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/gauge_names.inc CONTENT "${text}" @ONLY)
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL _gauge_write_names)
