# SPDX-License-Identifier: MIT
# The Windows converter as a zip: tarnwick-convert.exe, the README and the
# licence in one folder, nothing to install.
#   cmake --preset windows && cmake --build --preset windows
#   cpack --preset windows
install(FILES README.md DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_PACKAGE_NAME tarnwick-convert)
set(CPACK_PACKAGE_VENDOR "The Tarnwick developers")
set(CPACK_PACKAGE_VERSION "${TARNWICK_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "command-line viscosity converter")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_FILE_NAME "tarnwick-convert-${TARNWICK_VERSION}-windows-x64")
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
