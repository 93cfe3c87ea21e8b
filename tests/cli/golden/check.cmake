# SPDX-License-Identifier: MIT
# Runs the installed-style converter on a file and compares its standard
# output, standard error and exit status byte for byte with the expected ones.
#   cmake -DCONVERTER=... -DINPUT=... -DEXPECTED_OUT=... -DEXPECTED_ERR=...
#         -DEXPECTED_STATUS=... -DWORK=... "-DARGUMENTS=a;b" -P check.cmake
# -DVIA=stdin feeds INPUT to standard input instead of naming it; -DVIA=NAME
# copies it to WORK/NAME and names it so, from WORK. -DEMULATOR=... runs the
# converter under it (Wine for the Windows build).
set(command ${EMULATOR} ${CONVERTER} ${ARGUMENTS})
set(stdin)
if(VIA STREQUAL "stdin")
    set(stdin INPUT_FILE ${INPUT})
elseif(VIA)
    file(COPY_FILE ${INPUT} ${WORK}/${VIA})
    list(APPEND command ${VIA})
else()
    list(APPEND command ${INPUT})
endif()
execute_process(
    COMMAND ${command}
    ${stdin}
    WORKING_DIRECTORY ${WORK}
    OUTPUT_FILE ${WORK}/out
    ERROR_FILE ${WORK}/err
    RESULT_VARIABLE status)
if(NOT status EQUAL EXPECTED_STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}")
endif()
foreach(stream out err)
    string(TOUPPER ${stream} name)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${stream}
                            ${EXPECTED_${name}} RESULT_VARIABLE different)
    if(different)
        file(READ ${WORK}/${stream} got)
        message(FATAL_ERROR "standard ${stream} differs from ${EXPECTED_${name}}:\n${got}")
    endif()
endforeach()
