# Installs the build into a fresh prefix, as the README's `cmake --install BUILD --strip
# --prefix PREFIX` does.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --strip --prefix "${PREFIX}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed with ${status}")
endif()
