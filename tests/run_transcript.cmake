# Runs one transcript through the script host and compares its output with the expected file;
# a mismatch prints a unified diff.
get_filename_component(name "${SCRIPT}" NAME_WE)
file(MAKE_DIRECTORY "${WORKDIR}")
set(actual "${WORKDIR}/${name}.actual")
execute_process(COMMAND "${HOST}" "${SCRIPT}"
                OUTPUT_FILE "${actual}"
                ERROR_VARIABLE err
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "sorba-script exited with ${rc}: ${err}")
endif()
execute_process(COMMAND diff -u "${EXPECTED}" "${actual}" RESULT_VARIABLE differs
                OUTPUT_VARIABLE diff_text)
if(differs)
    message(FATAL_ERROR "transcript ${name} differs from ${EXPECTED}:\n${diff_text}")
endif()
