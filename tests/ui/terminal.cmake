# SPDX-License-Identifier: MIT
# The window program as a terminal meets it: exit status, standard output and
# standard error for --version, --help and a start without a display; one row
# per case, each stream matched against a pattern.
#   cmake -DPROGRAM=path/to/tarnwick -P terminal.cmake
function(row name status out err)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                --unset=QT_QPA_PLATFORM ${PROGRAM} ${ARGN}
        RESULT_VARIABLE actualStatus
        OUTPUT_VARIABLE actualOut
        ERROR_VARIABLE actualErr)
    if(NOT actualStatus STREQUAL status)
        message(SEND_ERROR "${name}: exit status ${actualStatus}, expected ${status}")
    endif()
    if(NOT actualOut MATCHES "${out}")
        message(SEND_ERROR "${name}: standard output [${actualOut}] does not match [${out}]")
    endif()
    if(NOT actualErr MATCHES "${err}")
        message(SEND_ERROR "${name}: standard error [${actualErr}] does not match [${err}]")
    endif()
endfunction()

row(VersionOnStandardOutput 0 "^tarnwick 1\\.1\\.0\n$" "^$" --version)
row(HelpOnStandardOutput 0 "^Usage: tarnwick \\[QT-OPTION\\]\\.\\.\\.\n.*converts viscosities without a window\\.\n$" "^$" --help)
row(NoDisplayOnStandardError 1 "^$"
    "^tarnwick: no display to show the window on \\(DISPLAY is not set\\); tarnwick-convert converts without one\n$")
