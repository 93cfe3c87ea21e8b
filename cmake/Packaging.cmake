# SPDX-License-Identifier: MIT
# The Debian package and the source tarball, made by CPack:
#   cmake --preset package && cmake --build --preset package && cpack --preset package
#   cpack --config build/package/CPackSourceConfig.cmake
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "The Tarnwick developers")
set(CPACK_PACKAGE_VERSION "${TARNWICK_VERSION}")
set(CPACK_PACKAGE_CONTACT "The Tarnwick developers <info@tarnwick.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.tarnwick.example")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viscosity calculator for dynamic and kinematic units")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows' face, when it is not built into the program.
if(NOT TARNWICK_BUNDLE_FONTS)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The long description; the synopsis is the summary above.
set(CPACK_PACKAGE_DESCRIPTION
    "Tarnwick converts a fluid's viscosity between 15 dynamic (absolute) units,
such as cP, Pa.s and lbf.s/ft^2, and 9 kinematic units, such as cSt, m^2/s
and ft^2/h. The fluid density, given in one of 12 units including API
gravity and degrees Baume, links the two kinds. Results are shown with
eight decimals and are exact to the program's own published constants.

The package holds the calculator window and tarnwick-convert, a
command-line converter with the same rules and messages, for one value,
every unit at once, or every row of a CSV file.")

# One package per component: the programs, and the Python module for the
# interpreter it was built for (its extension's name carries that version).
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL tarnwick)
set(CPACK_DEBIAN_TARNWICK_PACKAGE_NAME tarnwick)
# Each package's synopsis is the summary above; CPack puts it first.
set(CPACK_COMPONENT_TARNWICK_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
if(TARNWICK_WITH_PYTHON)
    list(APPEND CPACK_COMPONENTS_ALL python)
    set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-tarnwick)
    set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
    set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
        "python3 (>= ${TARNWICK_PYTHON_VERSION}~), python3 (<< ${TARNWICK_PYTHON_NEXT_VERSION}), python3-numpy")
    set(CPACK_DEBIAN_PYTHON_PACKAGE_SUGGESTS "python3-pandas, python3-dask")
    set(CPACK_COMPONENT_PYTHON_DESCRIPTION
        "The Python module tarnwick converts columns of viscosities between the 24
units of Tarnwick's calculator, through each sample's density, and columns
of densities between its 12 density units. It takes scalars, sequences,
NumPy arrays and pandas Series, broadcasts them as NumPy does, and gives
exactly the results of the calculator and of tarnwick-convert as float64,
for NumPy, pandas and Dask.")
endif()

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME "tarnwick-${CPACK_PACKAGE_VERSION}")
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/\\\\.cache/" "compile_commands\\\\.json$"
    "\\\\.egg-info/")

include(CPack)
