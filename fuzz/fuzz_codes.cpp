// The component code readers' typed texts: the SMD code, the capacitor code, the colour finder's
// value, the temperature prompts' answers, and the result fields the tolerance commands read back
// (a person may type into them), plus the Turkish letter case and UTF-8 helpers they stand on.
//
// The contract: nothing throws; a code that is read has a finite value that is not negative; the
// texts written are number texts of that value; a message shows no "inf" or "nan"; the letter
// case keeps the number of characters (the caret stays where it was); a value found by the colour
// finder has the bands of its digits.
#include "fuzz_support.h"

#include "core/codes/capacitor_code.h"
#include "core/codes/capacitor_colour_code.h"
#include "core/codes/resistor_colour_code.h"
#include "core/codes/resistor_colour_finder.h"
#include "core/codes/smd_resistor_code.h"

#include <array>

using namespace voltaris;
using namespace voltaris::codes;

namespace {

void checkNumberText(const std::string& text, double value, std::string_view input) {
    VOLTARIS_REQUIRE(text == NumberText(value), input);
    const std::optional<double> back = TryReadNumber(text);
    VOLTARIS_REQUIRE(back && fuzz::SameTo15Digits(value, *back), input);
}

void checkLetterCase(std::string_view text, std::string_view input) {
    const std::size_t characters = DecodeUtf8(text).size();
    VOLTARIS_REQUIRE(DecodeUtf8(ToTurkishUpper(text)).size() == characters, input);
    VOLTARIS_REQUIRE(DecodeUtf8(ToTurkishLower(text)).size() == characters, input);
    // Decoding is settled after one round: what is encoded decodes to the same characters.
    const std::u32string decoded = DecodeUtf8(text);
    VOLTARIS_REQUIRE(DecodeUtf8(EncodeUtf8(decoded)) == decoded, input);
}

void checkSmd(std::string_view text, int tolerance, std::string_view input) {
    const SmdResult result = ReadSmdCode(text);
    VOLTARIS_REQUIRE(result.codeText == ToTurkishUpper(text), input);
    const SmdCode code = ParseSmdCode(result.codeText);
    if (code.status == SmdStatus::Read) {
        VOLTARIS_REQUIRE(std::isfinite(code.ohm) && code.ohm >= 0, input);
        VOLTARIS_REQUIRE(!result.warning && result.ohm && result.kiloOhm && result.megaOhm, input);
        checkNumberText(*result.ohm, code.ohm, input);
        checkNumberText(*result.kiloOhm, code.ohm / 1000, input);
    } else {
        VOLTARIS_REQUIRE(!result.ohm && (code.status == SmdStatus::Refused) == !!result.warning,
                         input);
    }
    // The tolerance command reads `Text2` back, whatever was typed there.
    constexpr std::array<double, 5> kTolerances = {0, 1, 2, 5, 10};
    const Message message = SmdToleranceMessage(
        text, kTolerances[static_cast<std::size_t>(tolerance) % kTolerances.size()], "± % 5");
    VOLTARIS_REQUIRE(fuzz::Clean(message.text), input);
}

void checkCapacitorCode(std::string_view text, int tolerance, std::string_view input) {
    const CapacitorCodeResult result = ReadCapacitorCode(text);
    const std::optional<double> pf = ParseCapacitorCode(text);
    VOLTARIS_REQUIRE(!!pf == !result.warning, input);
    if (pf) {
        VOLTARIS_REQUIRE(std::isfinite(*pf) && *pf >= 0, input);
        checkNumberText(result.picoFarad, *pf, input);
        checkNumberText(result.farad, *pf / 1e12, input);
        VOLTARIS_REQUIRE(result.toleranceCommandEnabled, input);
    }
    const int index = tolerance - 1; // -1: no tolerance chosen
    VOLTARIS_REQUIRE(fuzz::Clean(CapacitorCodeToleranceMessage(text, index, "±% 5").text), input);
    VOLTARIS_REQUIRE(fuzz::Clean(CapacitorColourToleranceMessage(text, index, "±% 5").text), input);
}

void checkTemperatureCommands(std::string_view answer, std::string_view field, int index,
                              std::string_view input) {
    const CapacitorTemperatureResult capacitor = CapacitorAtTemperature(answer, index - 1, field);
    VOLTARIS_REQUIRE(fuzz::Clean(capacitor.message.text), input);
    if (capacitor.capacitanceAtTemperature)
        VOLTARIS_REQUIRE(std::isfinite(*capacitor.capacitanceAtTemperature), input);

    // A six-band reading of the chosen lists, then the temperature of the answer.
    std::array<int, 6> lists{};
    for (std::size_t i = 0; i < lists.size(); ++i)
        lists[i] = static_cast<int>((static_cast<unsigned>(index) * (i + 3)) % 7);
    const ResistorColourResult reading = ReadResistorColours(ResistorBandCount::Six, lists);
    for (const TemperatureBase base :
         {TemperatureBase::Nominal, TemperatureBase::Minimum, TemperatureBase::Maximum}) {
        const ResistorTemperatureResult resistor =
            ResistorAtTemperature(reading.reading, base, answer, "±100*10^-6/K");
        VOLTARIS_REQUIRE(fuzz::Clean(resistor.message.text), input);
        if (resistor.resistanceAtTemperature)
            VOLTARIS_REQUIRE(std::isfinite(*resistor.resistanceAtTemperature), input);
    }
}

void checkFinder(std::string_view text, int choice, std::string_view input) {
    const auto bands = static_cast<FinderBandCount>(choice % 3);
    const auto tolerance = static_cast<FinderTolerance>(choice % 5);
    const FinderResult result = FindResistorBands(text, bands, tolerance);
    const bool digitsOnly = text.find_first_not_of("0123456789") == std::string_view::npos;
    const bool fits = static_cast<int>(text.size()) <= FinderLengthLimit(bands);
    VOLTARIS_REQUIRE(result.accepted == (digitsOnly && fits), input);
    if (!result.accepted)
        return;
    const auto digitBands = static_cast<std::size_t>(FinderDigitBands(bands));
    if (text.size() < digitBands) {
        VOLTARIS_REQUIRE(result.bands.empty(), input);
        return;
    }
    VOLTARIS_REQUIRE(result.bands.size() == digitBands + 1, input);
    for (std::size_t i = 0; i < digitBands; ++i)
        VOLTARIS_REQUIRE(ColourBandTable::Row(result.bands[i]).digit == text[i] - '0', input);
    VOLTARIS_REQUIRE(result.bands.back() == ColourBandTable::FromMultiplierExponent(
                                                static_cast<int>(text.size() - digitBands)),
                     input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [choice, text, second, input] = fuzz::ReadCase(data, size);
    checkLetterCase(text, input);
    checkSmd(text, choice, input);
    checkCapacitorCode(text, choice % 11, input);
    checkTemperatureCommands(text, second, choice % 9, input);
    checkFinder(text, choice, input);
    return 0;
}
