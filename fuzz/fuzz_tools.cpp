// The tools' typed texts beyond the code readers: the live conversion pages (a value and its
// unit), the AWG list's text, the angle and power-factor texts, the Ohm's law fields, and the
// answers of every prompt-driven command (read with ReadPromptNumber, then computed).
//
// The contract: a compute either gives its texts or fails with ComputeFailure (which its window
// turns into the warning) and throws nothing else; no text it writes or shows holds "inf" or
// "nan"; a conversion page converts exactly when the value is a number, and every result it
// writes is a number text.
#include "fuzz_support.h"

#include "core/circuits/ohms_law.h"
#include "core/conversions/awg_conversion.h"
#include "core/conversions/quantity_conversion.h"
#include "core/conversions/trigonometry.h"
#include "core/conversions/unit_conversion.h"
#include "core/shell/power_factor.h"

#include <functional>

using namespace voltaris;

namespace {

// Runs a compute that may fail only with ComputeFailure; what it shows must be clean.
void compute(const std::function<std::string()>& run, std::string_view input) {
    try {
        VOLTARIS_REQUIRE(fuzz::Clean(run()), input);
    } catch (const ComputeFailure&) {
    }
}

// Every result but the echo of the typed value (in its own unit) is a number text.
void checkResults(const std::vector<std::string>& results, std::string_view value,
                  std::string_view input) {
    for (const std::string& result : results)
        VOLTARIS_REQUIRE(
            result == value || (fuzz::LooksLikeNumber(result) && TryReadNumber(result)), input);
}

void checkConversions(std::string_view value, int unit, std::string_view input) {
    const bool number = TryReadNumber(value).has_value();
    for (int tab = 0; tab < 6; ++tab) {
        const auto quantity = static_cast<quantity_conversion::Tab>(tab);
        for (int kind = 0; kind < 3; ++kind) {
            const auto power = static_cast<quantity_conversion::PowerKind>(kind);
            const std::size_t units = quantity_conversion::Units(quantity, power).units.size();
            const auto texts = quantity_conversion::Convert(
                quantity, static_cast<std::size_t>(unit) % units, value, power);
            VOLTARIS_REQUIRE(!texts || number, input);
            if (texts)
                checkResults(texts->results, value, input);
        }
    }
    for (int tab = 0; tab < 7; ++tab) {
        const auto page = static_cast<unit_conversion::Tab>(tab);
        const std::size_t units = unit_conversion::Units(page).size();
        const auto texts =
            unit_conversion::Convert(page, static_cast<std::size_t>(unit) % units, value);
        VOLTARIS_REQUIRE(!texts || number, input);
        if (texts)
            checkResults(texts->results, value, input);
    }
}

void checkAngleTexts(std::string_view text, std::string_view input) {
    compute([&] { return trigonometry::TrigReport(text); }, input);
    compute([&] { return trigonometry::TrigTable(text); }, input);
    compute([&] { return trigonometry::PhaseAngleText(text); }, input);
    compute([&] { return trigonometry::PhaseAngleReport(text); }, input);
    if (const std::optional<awg::Display> shown = awg::Show(text))
        VOLTARIS_REQUIRE(fuzz::Clean(shown->section + shown->diameter + shown->inches), input);
}

void checkOhmsLaw(std::string_view first, std::string_view second, int caseCode,
                  std::string_view input) {
    ohms_law::Fields fields;
    fields[1] = std::string(first);
    fields[2] = std::string(second);
    const Outcome<ohms_law::Fields> outcome = ohms_law::Compute(caseCode, fields);
    for (int n = 3; n <= 6; ++n) {
        const std::string& text = outcome.texts[n];
        // A result field holds a given text, nothing yet, or a number it computed.
        VOLTARIS_REQUIRE(text == first || text == second || text.empty() ||
                             (fuzz::LooksLikeNumber(text) && TryReadNumber(text)),
                         input);
    }
    // The report follows the fields as they stand, whatever they hold.
    VOLTARIS_REQUIRE(ohms_law::ReportLines(caseCode, outcome.texts).size() > 4, input);
}

// Every prompt-driven command, given the same answer to each of its prompts.
void checkPromptCommands(std::string_view answer, std::string_view input) {
    const auto read = [answer] { return ReadPromptNumber(answer); };
    compute([&] { return awg::GaugeMessage(read()); }, input);
    compute([&] { return awg::McmMessage(read()); }, input);
    compute([&] { return awg::DiameterMessage(read()); }, input);
    compute([&] { return awg::SectionMessage(read()); }, input);
    compute([&] { return trigonometry::AngleMessage(read()); }, input);
    compute([&] { return trigonometry::AngleTableMessage(read()); }, input);
    compute([&] { return ohms_law::ConductanceMessage(read()); }, input);
    compute([&] { return ohms_law::ResistanceMessage(read()); }, input);
    compute([&] { return unit_conversion::CoordinateDistanceMessage(read(), 0, 0, read()); },
            input);
    compute([&] { return unit_conversion::CoordinateDistanceMessage(0, read(), read(), 0); },
            input);
    compute([&] { return shell::MeterMessage(read(), read()); }, input);
    compute([&] { return shell::MeterMessage(read(), 1); }, input);
    for (const auto known : {shell::KnownPower::Active, shell::KnownPower::Reactive})
        for (const auto phases : {shell::Phases::Single, shell::Phases::Three}) {
            compute(
                [&] {
                    return shell::PowerFactorMessage(
                        shell::PowerFactorOf(known, phases, read(), 230, 10));
                },
                input);
            compute(
                [&] {
                    return shell::PowerFactorMessage(
                        shell::PowerFactorOf(known, phases, 1000, read(), read()));
                },
                input);
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [choice, text, second, input] = fuzz::ReadCase(data, size);
    checkConversions(text, choice, input);
    checkAngleTexts(text, input);
    checkOhmsLaw(text, second, choice % 12 + 1, input);
    checkPromptCommands(text, input);
    return 0;
}
