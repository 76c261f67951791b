# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file of an engine folder includes the message seam or shows a message itself: engines
# hand their messages and questions to their callers. In platform/ only the seam itself may. Run as a test:
#   cmake -DROOT=<source dir> -P CheckEnginesShowNoMessages.cmake
set(FOLDERS platform formats store digit lotto settings net update stats tickets wheels)
set(offenders "")
foreach(folder IN LISTS FOLDERS)
    file(GLOB sources "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
    list(FILTER sources EXCLUDE REGEX "/platform/MessageBox\\.(h|cpp)$")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" seam REGEX "(#[ \t]*include[ \t]*\"platform/MessageBox\\.h\"|[^A-Za-z_]MessageBox[ \t]*\\(|AskThroughMessageBox|ShowNotices?[ \t]*\\(|ShowOutcome[ \t]*\\()")
        if(seam)
            list(APPEND offenders "${source}: ${seam}")
        endif()
    endforeach()
endforeach()
if(offenders)
    list(JOIN offenders "\n" report)
    message(FATAL_ERROR "Engine folders must not show messages; return them to the caller instead:\n${report}")
endif()
