// Number reading: a field's text (TryReadNumber, ReadNumber), a prompt's answer
// (ReadPromptNumber), and the key filters typing the input's bytes as keys.
//
// The contract: a text is a number exactly when it has the documented form and its value fits
// in a double; the value is then finite and the one the C library reads; ReadNumber throws
// ComputeFailure where TryReadNumber gives nothing; a prompt reads ',' as '.'; the general number
// text of a read value reads back within 15 significant digits and its round-trip text exactly;
// typed keys leave digits and at most one '.', which read as a number.
#include "fuzz_support.h"

#include <cerrno>
#include <cstdlib>

using namespace voltaris;

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The documented form, checked on its own: spaces around, a sign, digits with at most one '.'
// and at least one digit, then an optional exponent.
bool hasNumberForm(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return false;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::size_t at = 0;
    if (text[at] == '+' || text[at] == '-')
        ++at;
    int digits = 0;
    int points = 0;
    for (; at < text.size() && (isDigit(text[at]) || text[at] == '.'); ++at)
        text[at] == '.' ? ++points : ++digits;
    if (digits == 0 || points > 1)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        const std::size_t exponentStart = at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        if (at == exponentStart)
            return false;
    }
    return at == text.size();
}

void checkReading(std::string_view text, std::string_view input) {
    const std::optional<double> value = TryReadNumber(text);
    try {
        const double read = ReadNumber(text);
        VOLTARIS_REQUIRE(value && read == *value, input);
    } catch (const ComputeFailure&) {
        VOLTARIS_REQUIRE(!value, input);
    }
    if (!hasNumberForm(text)) {
        VOLTARIS_REQUIRE(!value, input);
        return;
    }
    // The C library's reading of the same text (it knows the form, and more).
    const std::string copy(text);
    errno = 0;
    const double expected = std::strtod(copy.c_str(), nullptr);
    const bool tooLarge = errno == ERANGE && std::isinf(expected);
    if (tooLarge) {
        VOLTARIS_REQUIRE(!value, input);
        return;
    }
    VOLTARIS_REQUIRE(value && std::isfinite(*value), input);
    VOLTARIS_REQUIRE(*value == expected && std::signbit(*value) == std::signbit(expected), input);
    fuzz::RequireNumberTextsReadBack(*value, input);
}

void checkPrompt(std::string_view text, std::string_view input) {
    std::string pointed(text);
    for (char& c : pointed)
        if (c == ',')
            c = '.';
    const std::optional<double> expected = TryReadNumber(pointed);
    try {
        const double read = ReadPromptNumber(text);
        VOLTARIS_REQUIRE(expected && read == *expected, input);
    } catch (const ComputeFailure&) {
        VOLTARIS_REQUIRE(!expected, input);
    }
}

// Types every byte as a key into an empty field (Backspace takes the last character away).
void checkTyping(std::string_view keys, bool digitsOnly, std::string_view input) {
    std::string field;
    for (const char key : keys) {
        const auto code = static_cast<char32_t>(static_cast<unsigned char>(key));
        const char32_t passed = digitsOnly ? DigitKeyFilter(code) : NumericKeyFilter(code, field);
        if (passed == 8) {
            if (!field.empty())
                field.pop_back();
        } else if (passed != 0) {
            VOLTARIS_REQUIRE(passed < 0x80, input);
            field += static_cast<char>(passed);
        }
    }
    std::size_t points = 0;
    bool digit = false;
    for (const char c : field) {
        VOLTARIS_REQUIRE(isDigit(c) || (c == '.' && !digitsOnly), input);
        points += c == '.' ? 1 : 0;
        digit = digit || isDigit(c);
    }
    VOLTARIS_REQUIRE(points <= 1, input);
    // Whatever was typed is a number (a text this short is never too large for a double).
    if (digit && field.size() < 300) {
        const std::optional<double> value = TryReadNumber(field);
        VOLTARIS_REQUIRE(value && std::isfinite(*value) && *value >= 0, input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkReading(input, input);
    checkPrompt(input, input);
    checkTyping(input, false, input);
    checkTyping(input, true, input);
    return 0;
}
