# SPDX-License-Identifier: MIT
# Turns a table of decimal numbers kept as CSV into C++ brace rows, one a
# line, for an array's initialiser. Lines starting with # (the table's
# source) are left out, and so is the first other line, which names the
# columns; every row must have a number for each. Each number is written as
# it stands in the file, so that the compiler takes the double nearest to it,
# as for any constant in the code.
#   cmake -DINPUT=table.csv -DOUTPUT=rows.inc -P csvrows.cmake
file(STRINGS ${INPUT} lines)
get_filename_component(name ${INPUT} NAME)
set(rows "// Made from ${name} when the program is built: change the CSV file.\n")
set(pattern "")
foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
        continue()
    endif()
    if(pattern STREQUAL "")
        # One decimal number for each column the first line names.
        string(REPLACE "," ";" names "${line}")
        set(number "[0-9]+(\\.[0-9]+)?")
        foreach(name IN LISTS names)
            list(APPEND numbers "${number}")
        endforeach()
        list(JOIN numbers "," pattern)
        continue()
    endif()
    if(NOT line MATCHES "^${pattern}$")
        message(FATAL_ERROR "${INPUT}: not a row of decimal numbers, one per column: ${line}")
    endif()
    string(REPLACE "," ", " fields "${line}")
    string(APPEND rows "{${fields}},\n")
endforeach()
file(WRITE ${OUTPUT} "${rows}")
