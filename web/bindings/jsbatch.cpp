// SPDX-License-Identifier: MIT
#include "web/bindings/jsbatch.h"

#include "core/numbers/numberstyle.h"
#include "web/bindings/jsvalues.h"

#include <cmath>
#include <memory>
#include <utility>

namespace tarnwick::web {
namespace {

// Chunks from read(maxBytes); a chunk longer than asked for is kept for the
// next read rather than cut.
class JsSource final : public ByteSource {
public:
    explicit JsSource(val read)
        : m_read(std::move(read)) {}

    std::size_t read(char* buffer, std::size_t size) override {
        if (m_ended || size == 0)
            return 0;
        val chunk = m_pending.isUndefined() ? m_read(static_cast<double>(size))
                                            : std::exchange(m_pending, val::undefined());
        if (chunk.instanceof (val::global("ArrayBuffer")))
            chunk = val::global("Uint8Array").new_(chunk);
        const std::size_t length =
            chunk.isUndefined() || chunk.isNull() ? 0 : chunk["length"].as<std::size_t>();
        if (length == 0) {
            m_ended = true;
            return 0;
        }
        if (length > size) {
            m_pending = chunk.call<val>("subarray", static_cast<double>(size));
            chunk = chunk.call<val>("subarray", 0, static_cast<double>(size));
        }
        const std::size_t taken = std::min(length, size);
        const auto bytes = reinterpret_cast<unsigned char*>(buffer);
        val(emscripten::typed_memory_view(taken, bytes)).call<void>("set", chunk);
        return taken;
    }

private:
    val m_read;
    val m_pending = val::undefined();
    bool m_ended = false;
};

// Hands write() a view of the bytes, valid only during the call.
class JsSink final : public ByteSink {
public:
    explicit JsSink(val write)
        : m_write(std::move(write)) {}

    bool write(std::string_view bytes) override {
        if (!bytes.empty()) {
            const auto data = reinterpret_cast<const unsigned char*>(bytes.data());
            m_write(val(emscripten::typed_memory_view(bytes.size(), data)));
        }
        return true;
    }

private:
    val m_write;
};

class JsReport final : public BatchReport {
public:
    explicit JsReport(val report)
        : m_report(std::move(report)) {}

    void rowFailed(std::size_t line, std::string_view message) override {
        m_report(static_cast<double>(line), std::string(message));
    }
    void note(std::string_view message) override { m_note = message; }
    const std::string& noted() const { return m_note; }

private:
    val m_report;
    std::string m_note;
};

val summary(int status, const BatchOutcome& outcome, const std::string& note) {
    val object = val::object();
    object.set("status", status);
    object.set("rows", static_cast<double>(outcome.rows));
    object.set("failed", static_cast<double>(outcome.failed));
    if (!note.empty())
        object.set("note", note);
    return object;
}

} // namespace

namespace {

// The page's words for an option, as its form labels it.
std::string_view labelOf(BatchOption option) {
    switch (option) {
    case BatchOption::fromUnit:
        return "From unit";
    case BatchOption::toUnit:
        return "To unit";
    case BatchOption::density:
        return "Density";
    case BatchOption::densityUnit:
        return "Density unit";
    case BatchOption::delimiter:
        return "Delimiter";
    case BatchOption::valueColumn:
        return "Value column";
    case BatchOption::at:
        return "Temperature";
    }
    return {};
}

} // namespace

JsBatch::JsBatch(const val& options) {
    m_options.fromUnit = optionalText(options, "fromUnit");
    m_options.toUnit = optionalText(options, "toUnit");
    m_options.density = optionalText(options, "density");
    m_options.densityUnit = optionalText(options, "densityUnit");
    m_options.densities = options["densities"].isTrue();
    m_options.header = options["header"].isTrue();
    m_options.resultName = optionalText(options, "resultName");
    std::optional<char> delimiter;
    if (const std::optional<std::string> text = optionalText(options, "delimiter")) {
        delimiter = namedSeparator(*text);
        if (!delimiter)
            m_problem = describe(separatorProblem(*text), labelOf(BatchOption::delimiter));
    }
    m_options.separator =
        batchSeparator(textOf(options, "fileName"), options["tsv"].isTrue(), delimiter);
    const val column = options["valueColumn"];
    if (column.isNumber() && column.as<double>() != 0) {
        // A column out of range is refused by the core's check, which
        // names it; one that is not a whole number is refused as -1.
        const double number = column.as<double>();
        const bool whole = number == std::trunc(number) && std::fabs(number) <= 0x1p30;
        m_options.valueColumn = whole ? static_cast<int>(number) : -1;
    }
    const val symbols = options["symbols"];
    if (!symbols.isUndefined() && !symbols.isNull())
        m_symbols = symbolsFrom(symbols);
}

val JsBatch::run(val read, val write, val report) {
    std::unique_ptr<NumberStyle> numbers;
    if (m_symbols)
        numbers = std::make_unique<LocaleNumbers>(*m_symbols);
    else
        numbers = std::make_unique<PlainNumbers>();
    std::string problem = m_problem;
    if (const auto optionProblem = batchOptionProblem(m_options, *numbers);
        problem.empty() && optionProblem)
        problem = describe(*optionProblem, labelOf(optionProblem->option));
    if (!problem.empty()) {
        report(0, problem);
        return summary(ExitStatus::cannotRun, BatchOutcome{}, {});
    }
    JsSource source(std::move(read));
    JsSink sink(std::move(write));
    JsReport failures(std::move(report));
    const BatchOutcome outcome = convertBatch(m_options, *numbers, source, sink, failures);
    return summary(exitStatus(outcome.status), outcome, failures.noted());
}

} // namespace tarnwick::web
