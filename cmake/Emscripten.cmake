# SPDX-License-Identifier: MIT
# Building with Emscripten (the wasm preset).
#
# Emscripten leaves C++ exceptions off unless they are asked for both when
# compiling and when linking; without them the engine's first
# ConversionError would abort the program instead of being reported.
# WebAssembly's own exceptions (-fwasm-exceptions) rather than the emulated
# ones (-fexceptions): measured on a 1,000,000-row batch, the emulation's
# checks around every call made the core two to four times slower. Every
# browser since 2021 and node 20 run them.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

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
