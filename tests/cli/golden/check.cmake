# SPDX-License-Identifier: MIT
# Runs the installed-style converter on a file and compares its standard
# output, standard error and exit status byte for byte with the expected ones.
#   cmake -DCONVERTER=... -DINPUT=... -DEXPECTED_OUT=... -DEXPECTED_ERR=...
#         -DEXPECTED_STATUS=... "-DARGUMENTS=a;b" [-DEMULATOR=wine...] -P check.cmake
execute_process(
    COMMAND ${EMULATOR} ${CONVERTER} ${ARGUMENTS} ${INPUT}
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
