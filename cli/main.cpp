// SPDX-License-Identifier: MIT
#include "cli/converterapp.h"

#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
// The wide entry point: the narrow argv of Windows holds the ANSI code page,
// which cannot spell every file name.
int wmain(int argc, wchar_t* argv[]) {
    tarnwick::cli::useBinaryStreams();
    return tarnwick::cli::runConverter(tarnwick::cli::utf8Arguments(argc, argv), stdin, stdout,
                                       stderr);
}
#else
int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return tarnwick::cli::runConverter(arguments, stdin, stdout, stderr);
}
#endif
