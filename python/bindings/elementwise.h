// SPDX-License-Identifier: MIT
// An operation on single elements made into one on columns. The Python side
// hands each argument over already broadcast: a number or a unit name, or a
// one-dimensional column of n of them (float64, or objects for names). Names
// are resolved before the loop, each distinct one once; the loop itself
// reads plain buffers with the GIL released.
#pragma once

#include "python/bindings/operations.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <optional>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tarnwick::python {

namespace py = pybind11;

template <typename T>
class Read;

// Numbers: a Python float, or a contiguous float64 column. NaN is missing.
template <>
class Read<double> : public Argument<double> {
public:
    Read(const py::object& object, std::size_t n) {
        if (PyFloat_Check(object.ptr())) {
            m_scalar = object.cast<double>();
            m_data = &m_scalar;
            return;
        }
        m_column = py::array_t<double, py::array::c_style>::ensure(object);
        if (!m_column || m_column.ndim() != 1 || static_cast<std::size_t>(m_column.size()) != n)
            throw py::type_error("expected a float or a float64 column of the result's size");
        m_data = m_column.data();
        m_step = 1;
    }
    Read(const Read&) = delete;

    static bool missing(double value) { return std::isnan(value); }

private:
    double m_scalar = 0;
    py::array_t<double, py::array::c_style> m_column;
};

// Texts read once into what they name (units, temperatures): a
// str, or a column of objects holding str, or None or NaN for a missing one.
template <typename Named>
requires requires(std::string_view text) {
    Resolve<Named>::from(text);
}
class Read<Named> : public Argument<Named> {
public:
    Read(const py::object& object, std::size_t n) {
        if (PyUnicode_Check(object.ptr()) || object.is_none()) {
            m_units.push_back(resolved(object));
        } else {
            // Kept: the names resolved point into its strings.
            m_column = py::array::ensure(object);
            if (!m_column || m_column.ndim() != 1 || m_column.dtype().kind() != 'O' ||
                static_cast<std::size_t>(m_column.size()) != n)
                throw py::type_error("expected a str or an object column of the result's size");
            m_units.reserve(n);
            const auto* items = static_cast<PyObject* const*>(m_column.data());
            for (std::size_t i = 0; i < n; ++i)
                m_units.push_back(resolved(py::reinterpret_borrow<py::object>(items[i])));
            this->m_step = 1;
        }
        this->m_data = m_units.data();
    }
    Read(const Read&) = delete;

    static bool missing(const Named& named) { return named.missing(); }

private:
    // Each distinct name is resolved once; a column repeats a few names.
    Named resolved(const py::handle& item) {
        if (!PyUnicode_Check(item.ptr())) {
            if (item.is_none() || (PyFloat_Check(item.ptr()) && std::isnan(item.cast<double>())))
                return {};
            throw py::type_error("a unit must be a str, not " +
                                 std::string(py::str(item.get_type().attr("__name__"))));
        }
        Py_ssize_t size = 0;
        const char* bytes = PyUnicode_AsUTF8AndSize(item.ptr(), &size);
        if (!bytes)
            throw py::error_already_set();
        const std::string_view text(bytes, static_cast<std::size_t>(size));
        for (const Named& seen : m_seen)
            if (seen.text() == text)
                return seen;
        m_seen.push_back(Resolve<Named>::from(text));
        return m_seen.back();
    }

    py::array m_column;
    std::vector<Named> m_units;
    std::vector<Named> m_seen;
};

// The result of a run: the column, and the position of the first element
// that failed with its message (-1 and empty when none did).
using Run = std::tuple<py::array_t<double>, py::ssize_t, std::string>;

template <typename T>
using ObjectFor = py::object;

// Reads the argument called name; a text it does not take is told with the
// name in front.
template <typename T>
std::unique_ptr<Read<T>> readArgument(const py::object& object, std::size_t n,
                                      const py::handle& name) {
    try {
        return std::make_unique<Read<T>>(object, n);
    } catch (const TextProblem& problem) {
        throw std::invalid_argument(py::str(name).cast<std::string>() + " " + problem.what());
    }
}

template <typename... Args, std::size_t... I, typename... Objects>
Run run(Outcome (*operation)(Args...), ColumnTry<Args...> columnTry, std::size_t n, bool nanOnError,
        const py::tuple& names, std::index_sequence<I...>, const Objects&... objects) {
    // Read in argument order, so that the first bad name is the one told.
    const std::tuple<std::unique_ptr<Read<Args>>...> readers{
        readArgument<Args>(objects, n, names[I])...};
    // Plain pointers and steps, which the loop keeps in registers.
    const std::tuple<Argument<Args>...> arguments{*std::get<I>(readers)...};
    py::array_t<double> out(static_cast<py::ssize_t>(n));
    double* results = out.mutable_data();
    py::ssize_t failedAt = -1;
    std::string problem;
    {
        py::gil_scoped_release released;
        const bool tried = columnTry && columnTry({results, n}, std::get<I>(arguments)...);
        for (std::size_t i = 0; i < n; ++i) {
            if (tried && !std::isnan(results[i]))
                continue;
            if ((Read<Args>::missing(std::get<I>(arguments)[i]) || ...)) {
                results[i] = std::numeric_limits<double>::quiet_NaN();
                continue;
            }
            Outcome outcome = operation(std::get<I>(arguments)[i]...);
            if (outcome.problem.empty()) {
                results[i] = outcome.value;
            } else if (nanOnError) {
                results[i] = std::numeric_limits<double>::quiet_NaN();
            } else {
                failedAt = static_cast<py::ssize_t>(i);
                problem = std::move(outcome.problem);
                break;
            }
        }
    }
    return {std::move(out), failedAt, std::move(problem)};
}

// operation(n, nan_on_error, names, arguments...) as Python calls it; names
// are the arguments' own, for messages.
// columnTry, where there is one, converts the whole column first, and
// operation runs for the elements it leaves NaN.
template <typename... Args>
auto elementwise(Outcome (*operation)(Args...), ColumnTry<Args...> columnTry = nullptr) {
    return [operation, columnTry](std::size_t n, bool nanOnError, const py::tuple& names,
                                  ObjectFor<Args>... objects) -> Run {
        return run(operation, columnTry, n, nanOnError, names, std::index_sequence_for<Args...>(),
                   objects...);
    };
}

// One element, as Python calls it once per row: plain arguments in (None
// for a missing name), the value and the problem (empty when there is none)
// out, with no arrays made.
template <typename T>
struct PlainArgument {
    using Type = double;
    static double read(double value) { return value; }
};

template <typename Named>
requires requires(std::string_view text) {
    Resolve<Named>::from(text);
}
struct PlainArgument<Named> {
    using Type = std::optional<std::string_view>;
    static Named read(Type text) { return text ? Resolve<Named>::from(*text) : Named{}; }
};

template <typename T>
T readPlain(typename PlainArgument<T>::Type plain, const py::handle& name) {
    try {
        return PlainArgument<T>::read(plain);
    } catch (const TextProblem& problem) {
        throw std::invalid_argument(py::str(name).cast<std::string>() + " " + problem.what());
    }
}

template <typename... Args, std::size_t... I>
std::pair<double, std::string> runSingle(Outcome (*operation)(Args...), bool nanOnError,
                                         const py::tuple& names, std::index_sequence<I...>,
                                         typename PlainArgument<Args>::Type... plain) {
    const std::tuple<Args...> arguments{readPlain<Args>(plain, names[I])...};
    Outcome outcome = std::apply(
        [&](const Args&... each) {
            if ((Read<Args>::missing(each) || ...))
                return Outcome{std::numeric_limits<double>::quiet_NaN(), {}};
            return operation(each...);
        },
        arguments);
    if (!outcome.problem.empty() && nanOnError)
        outcome = {std::numeric_limits<double>::quiet_NaN(), {}};
    return {outcome.value, std::move(outcome.problem)};
}

// operation(nan_on_error, names, arguments...) as Python calls it.
template <typename... Args>
auto single(Outcome (*operation)(Args...)) {
    return [operation](bool nanOnError, const py::tuple& names,
                       typename PlainArgument<Args>::Type... plain) {
        return runSingle(operation, nanOnError, names, std::index_sequence_for<Args...>(),
                         plain...);
    };
}

} // namespace tarnwick::python
