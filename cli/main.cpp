// SPDX-License-Identifier: MIT
#include "converterapp.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return tarnwick::cli::runConverter(arguments, stdin, stdout, stderr);
}
