# Runs the program with --help, -h, --version and -v while no display exists: each must print
# its answer and end with status 0 instead of opening (or failing to open) a window.
foreach(option IN ITEMS --help -h --version -v)
    execute_process(COMMAND "${PROGRAM}" ${option} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err TIMEOUT 60)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "sorba ${option} ended with ${status}:\n${out}${err}")
    endif()
    if(option MATCHES "^(--help|-h)$")
        if(NOT out MATCHES "^Usage: [^\n]*sorba \\[options\\]\n" OR NOT out MATCHES "--version")
            message(FATAL_ERROR "sorba ${option} printed no usage:\n${out}")
        endif()
    elseif(NOT out STREQUAL "sorba ${VERSION}\n")
        message(FATAL_ERROR "sorba ${option} printed \"${out}\", not \"sorba ${VERSION}\"")
    endif()
endforeach()
