# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when PROGRAM loads a Qt library, directly or through another library. Run as a test:
#   cmake -DPROGRAM=<executable> -P CheckLinksNoQt.cmake
find_program(LDD ldd)
if(NOT LDD)
    message(FATAL_ERROR "ldd is needed to list the libraries that ${PROGRAM} loads")
endif()
execute_process(COMMAND ${LDD} ${PROGRAM} OUTPUT_VARIABLE libraries ERROR_VARIABLE problem
                RESULT_VARIABLE status)
# A list without the C++ library means ldd did not read the program: that proves nothing.
if(NOT status EQUAL 0 OR NOT libraries MATCHES "libstdc\\+\\+|libc\\+\\+")
    message(FATAL_ERROR "ldd could not list the libraries of ${PROGRAM}: ${problem}${libraries}")
endif()
string(REGEX MATCHALL "[^\n]*libQt[^\n]*" qt "${libraries}")
if(qt)
    list(JOIN qt "\n" report)
    message(FATAL_ERROR "${PROGRAM} loads Qt:\n${report}")
endif()
message(STATUS "${PROGRAM} loads no Qt library")
