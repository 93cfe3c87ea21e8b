// SPDX-License-Identifier: MIT
// The extension module tarnwick._tarnwick: the operations on columns, the
// unit lists and the defaults. The package's __init__.py turns Python's
// arguments (sequences, arrays, pandas Series) into the columns read here.
#include "python/bindings/elementwise.h"
#include "python/bindings/operations.h"

#include <pybind11/stl.h>
#include <stdexcept>

namespace py = pybind11;
using namespace tarnwick::python;

namespace {

py::tuple namesOf(std::span<const std::string_view> list) {
    py::list names;
    for (const std::string_view name : list)
        if (!name.empty()) // the separator of the window's list
            names.append(py::str(name.data(), name.size()));
    return py::tuple(names);
}

} // namespace

PYBIND11_MODULE(_tarnwick, module) {
    module.doc() = "Tarnwick's engine, element by element over columns (internal).";
    py::register_exception_translator([](std::exception_ptr thrown) {
        try {
            if (thrown)
                std::rethrow_exception(thrown);
        } catch (const std::invalid_argument& error) {
            PyErr_SetString(PyExc_ValueError, error.what());
        }
    });

    module.attr("version") = TARNWICK_VERSION;
    module.attr("viscosity_units") = namesOf(viscosityUnitNames());
    module.attr("density_units") = namesOf(densityUnitNames());
    module.attr("default_density") = defaultDensity();
    const std::string_view densityUnit = defaultDensityUnit();
    module.attr("default_density_unit") = py::str(densityUnit.data(), densityUnit.size());

    module.def("convert", elementwise(&convert));
    module.def("convert_density", elementwise(&convertDensity));
    module.def("convert_one", single(&convert));
    module.def("convert_density_one", single(&convertDensity));
}
