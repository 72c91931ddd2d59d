# Runs one transcript through the script host and compares its output with the expected file;
# a mismatch prints a unified diff. Each run gets a fresh empty program folder of its own, and
# the folder's path prints as <folder>, so a transcript can show paths inside it.
get_filename_component(name "${SCRIPT}" NAME_WE)
file(MAKE_DIRECTORY "${WORKDIR}")
set(actual "${WORKDIR}/${name}.actual")
set(folder "${WORKDIR}/${name}.folder")
file(REMOVE_RECURSE "${folder}")
file(MAKE_DIRECTORY "${folder}")
execute_process(COMMAND "${HOST}" --folder "${folder}" "${SCRIPT}"
                OUTPUT_VARIABLE output
                ERROR_VARIABLE err
                RESULT_VARIABLE rc)
string(REPLACE "${folder}" "<folder>" output "${output}")
file(WRITE "${actual}" "${output}")
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "sorba-script exited with ${rc}: ${err}")
endif()
execute_process(COMMAND diff -u "${EXPECTED}" "${actual}" RESULT_VARIABLE differs
                OUTPUT_VARIABLE diff_text)
if(differs)
    message(FATAL_ERROR "transcript ${name} differs from ${EXPECTED}:\n${diff_text}")
endif()
