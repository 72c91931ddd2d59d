# Run by cpack after it made the package: the package must depend on the libraries the program
# is linked with, which only dpkg-shlibdeps finds.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND dpkg-deb --field "${package}" Depends OUTPUT_VARIABLE depends
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT depends MATCHES "libqt6widgets6" OR NOT depends MATCHES "libc6")
        # No package rather than one that installs and cannot start.
        file(REMOVE "${package}")
        message(FATAL_ERROR
                "${package} does not depend on the program's libraries (Depends: ${depends}).\n"
                "Is dpkg-shlibdeps (package dpkg-dev) installed? scripts/package.sh installs it.")
    endif()
endforeach()
