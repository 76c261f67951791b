# SPDX-License-Identifier: GPL-3.0-or-later
# Imports every sample-*.txt file as a new history, in section order, into an empty directory with
# vantorel-cli, and compares the result with sample-vtrmain.dat byte for byte.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/history ${WORK}/config)
set(ENV{XDG_CONFIG_HOME} ${WORK}/config)
set(ENV{XDG_DATA_HOME} ${WORK}/data)
# A history in the working directory, empty to begin with, is the one the command line works on.
file(WRITE ${WORK}/history/vtrmain.dat "")

foreach(game IN ITEMS 3:3number 4:4number 5:5number 6:6number pb:powerball)
    string(REPLACE ":" ";" fields ${game})
    list(GET fields 0 argument)
    list(GET fields 1 name)
    foreach(kind IN ITEMS undated dated)
        execute_process(COMMAND ${CLI} import ${argument} --${kind} ${DATA}/sample-${name}-${kind}.txt
                        WORKING_DIRECTORY ${WORK}/history RESULT_VARIABLE status ERROR_VARIABLE messages)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "import of sample-${name}-${kind}.txt failed (${status}): ${messages}")
        endif()
    endforeach()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/history/vtrmain.dat ${DATA}/sample-vtrmain.dat
                RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "the rebuilt history differs from sample-vtrmain.dat")
endif()
message(STATUS "the rebuilt history equals sample-vtrmain.dat")
