// SPDX-License-Identifier: MIT
// The extension module tarnwick._tarnwick: the operations on columns, the
// unit lists and the defaults. The package's __init__.py turns Python's
// arguments (sequences, arrays, pandas Series) into the columns read here.
#include "python/bindings/elementwise.h"
#include "python/bindings/operations.h"

#include <pybind11/stl.h>
#include <stdexcept>
#include <string>

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

    py::list scaleNames;
    for (const tarnwick::EffluxScale& scale : scales())
        scaleNames.append(py::str(scale.name.data(), scale.name.size()));
    module.attr("scales") = py::tuple(scaleNames);

    // Each operation on columns, and on one element with no arrays made.
    const auto both = [&module](const char* name, auto operation, auto... columnTry) {
        module.def(name, elementwise(operation, columnTry...));
        module.def((std::string(name) + "_one").c_str(), single(operation));
    };
    both("convert", &convert, &tryConvert);
    both("convert_density", &convertDensity);
    both("viscosity_at", &viscosityAt);
    both("temperature_reaching", &temperatureReaching);
    both("viscosity_index", &viscosityIndex);
    both("rounded_viscosity_index", &roundedViscosityIndex);
    both("iso_grade", &isoGrade);
    both("blend", &blend);
    both("blend_fraction", &blendFraction);
    module.def("iso_grade_name", &isoGradeName);
}
