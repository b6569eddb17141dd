# cmake -DDIST=... -DMODULE_DIR=... -DGAUGES=a,b -DSOUND_DIR=... -DPROFILE_DIR=... -DINSTALL_TEMPLATE=...
#       -P make_dist.cmake
# Writes the folder a panel designer installs from: the modules, the sounds, a panel.cfg example with a
# line for every gauge, INSTALL.txt. The folder is written anew each time.

foreach(var DIST MODULE_DIR GAUGES SOUND_DIR PROFILE_DIR INSTALL_TEMPLATE)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "make_dist.cmake: ${var} is not given")
    endif()
endforeach()
string(REPLACE "," ";" gauges "${GAUGES}")

file(REMOVE_RECURSE ${DIST})
file(MAKE_DIRECTORY ${DIST}/sound)

foreach(sound click.wav soft_click.wav omi_test.wav)
    if(NOT EXISTS ${SOUND_DIR}/${sound})
        message(FATAL_ERROR "make_dist.cmake: ${SOUND_DIR}/${sound} is missing: build the sounds target first")
    endif()
    file(COPY ${SOUND_DIR}/${sound} DESTINATION ${DIST}/sound)
endforeach()

set(titles "")
set(windows "")
set(gauge_list "")
set(n 0)
foreach(gauge IN LISTS gauges)
    if(NOT EXISTS ${MODULE_DIR}/${gauge}.gau)
        message(FATAL_ERROR "make_dist.cmake: ${MODULE_DIR}/${gauge}.gau is missing: build windows_i686 first")
    endif()
    file(COPY ${MODULE_DIR}/${gauge}.gau DESTINATION ${DIST})

    # What the build is: the opening comment of its profile, "COM radio, COM1 build."
    file(STRINGS ${PROFILE_DIR}/${gauge}.h profile_comment REGEX "^//")
    list(GET profile_comment 0 what)
    string(REGEX REPLACE "^// *" "" what "${what}")

    if(n LESS 10)
        set(nn 0${n})
    else()
        set(nn ${n})
    endif()
    math(EXPR ident "10100 + ${n}")
    string(APPEND titles "Window${nn}=${gauge}\n")
    string(APPEND windows "\n[Window${nn}]\nvisible=1\nident=${ident}\ngauge00=${gauge}!${gauge}, 0, 0, 300\n")
    string(APPEND gauge_list "  ${gauge}.gau\n      gauge ${gauge}!${gauge}: ${what}\n")
    math(EXPR n "${n} + 1")
endforeach()

file(WRITE ${DIST}/panel.cfg
"// An example panel.cfg: every gauge of the suite in a pop-up window of its own, 300 panel units wide.
// Copy the lines you need into your aircraft's panel.cfg. A gauge line reads
//   gaugeNN=Module!Gauge, x, y, width[, height]
// where Module is the .gau file name without its extension; in this suite it is also the gauge name.

[Window Titles]
${titles}${windows}")

set(GAUGE_LIST "${gauge_list}")
configure_file(${INSTALL_TEMPLATE} ${DIST}/INSTALL.txt @ONLY)
message(STATUS "dist: ${n} gauges, 3 sounds, panel.cfg and INSTALL.txt in ${DIST}")
