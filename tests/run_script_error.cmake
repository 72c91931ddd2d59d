# Runs one script that must stop with an error: the script host exits with 2, prints what the
# lines before the bad one printed, and names the bad line on standard error.
get_filename_component(name "${SCRIPT}" NAME_WE)
get_filename_component(folder "${SCRIPT}" DIRECTORY)
execute_process(COMMAND "${HOST}" "${SCRIPT}"
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                RESULT_VARIABLE rc)
file(READ "${folder}/${name}.out" expected_out)
file(READ "${folder}/${name}.err" expected_err)
if(NOT rc EQUAL 2)
    message(FATAL_ERROR "sorba-script exited with ${rc}, not 2: ${err}")
endif()
if(NOT out STREQUAL expected_out)
    message(FATAL_ERROR "standard output:\n${out}\nexpected:\n${expected_out}")
endif()
if(NOT err STREQUAL expected_err)
    message(FATAL_ERROR "standard error:\n${err}\nexpected:\n${expected_err}")
endif()
