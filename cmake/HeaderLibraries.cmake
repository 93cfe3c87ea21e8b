# SPDX-License-Identifier: MIT
# The header-only libraries the core uses: fast_float (reading doubles) and
# {fmt} (writing them), from Debian's libfast-float-dev and libfmt-dev.
# Their folders are linked into a private include directory of the build, so
# that a cross build (mingw-w64, Emscripten) sees these two libraries and none
# of the build machine's other headers.
find_path(TARNWICK_FAST_FLOAT_DIR fast_float/fast_float.h
    PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(TARNWICK_FMT_DIR fmt/format.h
    PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(headerLibraries ${PROJECT_BINARY_DIR}/header-libraries)
file(MAKE_DIRECTORY ${headerLibraries})
file(CREATE_LINK ${TARNWICK_FAST_FLOAT_DIR}/fast_float ${headerLibraries}/fast_float SYMBOLIC)
file(CREATE_LINK ${TARNWICK_FMT_DIR}/fmt ${headerLibraries}/fmt SYMBOLIC)

add_library(tarnwick_header_libraries INTERFACE)
add_library(tarnwick::header_libraries ALIAS tarnwick_header_libraries)
target_include_directories(tarnwick_header_libraries SYSTEM INTERFACE ${headerLibraries})
# {fmt} is used from its headers alone, so that no compiled library is needed
# on any platform. Our numbers are grouped by our own code, never by {fmt}'s
# locale option: with that option fixed, {fmt} leaves out the C++ locale,
# which made a third of the WebAssembly core (305 KB, now 198 KB).
target_compile_definitions(tarnwick_header_libraries INTERFACE
    FMT_HEADER_ONLY FMT_STATIC_THOUSANDS_SEPARATOR=0)
