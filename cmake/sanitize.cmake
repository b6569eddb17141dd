# Builds that hunt for faults on hostile input.
#   GAUGE_SANITIZE  everything native under AddressSanitizer and UndefinedBehaviorSanitizer; any finding ends
#                   the program (./test runs the whole suite so, in a build folder of its own).
#   GAUGE_FUZZ      the libFuzzer targets of tests/fuzz (clang only): the host's readers built with the
#                   same sanitizers and the fuzzer's coverage; the gauge modules stay as they are.
option(GAUGE_SANITIZE "build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(GAUGE_FUZZ "build the libFuzzer targets (clang)" OFF)

# -fno-sanitize-recover: a report is an error, float-cast-overflow included (halt_on_error alone leaves
# some checks of g++ recoverable).
set(GAUGE_SANITIZER_FLAGS -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
    -fno-omit-frame-pointer)

if(GAUGE_SANITIZE)
    add_compile_options(${GAUGE_SANITIZER_FLAGS})
    add_link_options(${GAUGE_SANITIZER_FLAGS})
endif()
if(GAUGE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "GAUGE_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # Every program linked with the sanitizers' runtime, as the host's code it links is built with them
    # (tests/fuzz); the modules, built without, are linked as ever.
    list(JOIN GAUGE_SANITIZER_FLAGS " " flags)
    string(APPEND CMAKE_EXE_LINKER_FLAGS " ${flags}")
endif()
