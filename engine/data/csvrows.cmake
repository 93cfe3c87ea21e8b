# SPDX-License-Identifier: MIT
# Turns a table of decimal numbers kept as CSV into C++ brace rows, one a
# line, for an array's initialiser. Lines starting with # (the table's
# source) are left out, and so is the first other line, which names the
# columns. Each number is written as it stands in the file, so that the
# compiler takes the double nearest to it, as for any constant in the code.
#   cmake -DINPUT=table.csv -DOUTPUT=rows.inc -P csvrows.cmake
file(STRINGS ${INPUT} lines)
get_filename_component(name ${INPUT} NAME)
set(rows "// Made from ${name} when the program is built: change the CSV file.\n")
set(columns TRUE)
foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
        continue()
    endif()
    if(columns)
        set(columns FALSE)
        continue()
    endif()
    if(NOT line MATCHES "^[0-9]+(\\.[0-9]+)?(,[0-9]+(\\.[0-9]+)?)*$")
        message(FATAL_ERROR "${INPUT}: not a row of decimal numbers: ${line}")
    endif()
    string(REPLACE "," ", " fields "${line}")
    string(APPEND rows "{${fields}},\n")
endforeach()
file(WRITE ${OUTPUT} "${rows}")
