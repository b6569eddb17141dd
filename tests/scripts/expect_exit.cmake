# Runs `COMMAND run SCRIPT` and checks its exit status and that its output matches PATTERN (plain text).
execute_process(COMMAND ${COMMAND} run ${SCRIPT} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(FIND "${out}${err}" "${PATTERN}" at)
if(NOT code EQUAL EXIT)
    message(FATAL_ERROR "exit status ${code}, expected ${EXIT}\n${out}${err}")
endif()
if(at EQUAL -1)
    message(FATAL_ERROR "output does not say: ${PATTERN}\n${out}${err}")
endif()
