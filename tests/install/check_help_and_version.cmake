# Runs the program while no display exists: --help, --help-all and --version must print their
# answer and end with status 0, and every faulty command line must be refused with a message
# and status 2, all without opening (or failing to open) a window.
foreach(option IN ITEMS --help -h --help-all --version -v "-platform;offscreen;--version")
    execute_process(COMMAND "${PROGRAM}" ${option} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err TIMEOUT 60)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "sorba ${option} ended with ${status}:\n${out}${err}")
    endif()
    if(option MATCHES "^(--help|-h|--help-all)$")
        if(NOT out MATCHES "^Usage: [^\n]*sorba \\[options\\]\n" OR NOT out MATCHES "--version")
            message(FATAL_ERROR "sorba ${option} printed no usage:\n${out}")
        endif()
        # Qt's own options are listed by --help-all only.
        if(option STREQUAL "--help-all" AND NOT out MATCHES "--platform <")
            message(FATAL_ERROR "sorba --help-all does not list -platform:\n${out}")
        elseif(NOT option STREQUAL "--help-all" AND out MATCHES "platform")
            message(FATAL_ERROR "sorba ${option} lists Qt's options:\n${out}")
        endif()
    elseif(NOT out STREQUAL "sorba ${VERSION}\n")
        message(FATAL_ERROR "sorba ${option} printed \"${out}\", not \"sorba ${VERSION}\"")
    endif()
endforeach()

# Each row: the arguments (separated by |) and what the message must say.
set(refused
    "--bogus=Unknown option 'bogus'"
    "-x=Unknown option 'x'"
    "--bogus|--help=Unknown option 'bogus'"
    "-platform=Missing value after '-platform'"
    "--version=3=Unexpected value after '--version'"
    "extra=Unexpected argument 'extra'"
    "-v|one|two=Unexpected argument 'one'")
foreach(row IN LISTS refused)
    # The message itself holds no "=", the arguments may.
    string(REGEX MATCH "^(.*)=([^=]*)$" ignored "${row}")
    set(message "${CMAKE_MATCH_2}")
    string(REPLACE "|" ";" arguments "${CMAKE_MATCH_1}")
    execute_process(COMMAND "${PROGRAM}" ${arguments} RESULT_VARIABLE status
                    OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
    if(NOT status EQUAL 2)
        message(FATAL_ERROR "sorba ${arguments} ended with ${status}, not 2:\n${out}${err}")
    endif()
    if(NOT err MATCHES "^sorba: ${message}\\.\nTry 'sorba --help' for more information\\.\n$")
        message(FATAL_ERROR "sorba ${arguments} said \"${err}\", not \"${message}\"")
    endif()
    if(NOT out STREQUAL "")
        message(FATAL_ERROR "sorba ${arguments} printed to standard output:\n${out}")
    endif()
endforeach()
