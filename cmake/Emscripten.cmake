# SPDX-License-Identifier: MIT
# Building with Emscripten (the wasm preset).
#
# Emscripten leaves C++ exceptions off unless they are asked for both when
# compiling and when linking; without them the engine's first
# FloatingPointError would abort the program instead of being reported.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# A program that runs under node on the build machine (the converter and the
# test programs): it reads and writes the real files and standard streams
# (NODERAWFS), and its exit status and buffered output reach the shell
# (EXIT_RUNTIME).
function(tarnwick_node_program target)
    target_link_options(${target} PRIVATE
        -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=node)
endfunction()

# emcc's linker runs Debian's packaged JavaScript tools (acorn, terser),
# which node finds only through NODE_PATH; set here too, so that a build
# outside the preset links as well.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
