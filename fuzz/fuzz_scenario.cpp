// The scenario file reader: any bytes as a scenario file, and any text as a quoted argument.
//
// The contract: reading never fails otherwise than with a ParseError on a line of the file;
// the statements read keep the order and numbers of their lines; a text written with quote()
// reads back as itself; and a statement's texts, quoted again, read back the same.
#include "fuzz_support.h"

#include "scenario/scenario_parser.h"

using namespace voltaris;
using namespace voltaris::scenario;

namespace {

// `set` with `text` as its quoted argument reads back `text`.
void checkQuoting(std::string_view text, std::string_view input) {
    const auto result = parseScript("set Form9.Text1 " + quote(text));
    const Script* script = std::get_if<Script>(&result);
    VOLTARIS_REQUIRE(script && script->lines.size() == 1, input);
    const Set* set = std::get_if<Set>(&script->lines[0].statement);
    VOLTARIS_REQUIRE(set && set->text == text && set->target.form == "Form9", input);
}

// The quoted texts of a statement (the keys typed, the text set).
std::optional<std::string> textOf(const Statement& statement) {
    if (const auto* type = std::get_if<Type>(&statement))
        return type->keys;
    if (const auto* set = std::get_if<Set>(&statement))
        return set->text;
    if (const auto* check = std::get_if<CheckText>(&statement))
        return check->text;
    return std::nullopt;
}

void checkScript(std::string_view file, std::string_view input) {
    const auto result = parseScript(file);
    if (const auto* error = std::get_if<ParseError>(&result)) {
        const auto lines = static_cast<int>(detail::splitLines(file).size());
        VOLTARIS_REQUIRE(error->line >= 1 && error->line <= lines && !error->message.empty(),
                         input);
        return;
    }
    const Script& script = std::get<Script>(result);
    int previous = 0;
    for (const Line& line : script.lines) {
        VOLTARIS_REQUIRE(line.number > previous && line.number <= script.lastLine, input);
        previous = line.number;
        if (const std::optional<std::string> text = textOf(line.statement))
            checkQuoting(*text, input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkScript(input, input);
    checkQuoting(input, input);
    return 0;
}
