// SPDX-License-Identifier: MIT
#include "cli/platform.h"

#ifdef TARNWICK_LOCALE_MODULE
#include "cli/localemodule.h"

#include <dlfcn.h>
#include <filesystem>
#endif

namespace tarnwick::cli {

std::optional<NumberSymbols> userNumberSymbols() {
#ifdef TARNWICK_LOCALE_MODULE
    // The module lies at the same place relative to the program in the
    // build tree as where it is installed.
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::nullopt;
    const std::string module = (self.parent_path() / TARNWICK_LOCALE_MODULE).string();
    void* const loaded = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!loaded)
        return std::nullopt;
    const auto entry = reinterpret_cast<decltype(&tarnwickUserNumberSymbols)>(
        dlsym(loaded, userNumberSymbolsEntry));
    NumberSymbols symbols;
    if (!entry || !entry(&symbols))
        return std::nullopt;
    return symbols;
#else
    return std::nullopt;
#endif
}

std::FILE* openFile(const std::string& path) {
    return std::fopen(path.c_str(), "rb");
}

} // namespace tarnwick::cli
