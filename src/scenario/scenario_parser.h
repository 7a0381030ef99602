// Reading scenario files: one statement a line, with its arguments, text escapes and the expected
// lines of a file check. Standard C++ only, and header-only, so that the reading is tested on its
// own, apart from the windows it drives.
#pragma once

#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace voltaris::scenario {

// `Form9.Text1`; `control` is empty where the window itself is meant (`Form9`).
struct ControlName {
    std::string form;
    std::string control;
};

struct StartFresh {};
struct StartRuns {
    int runs;
};
struct Open {
    std::string form;
};
struct Press {
    ControlName target;
};
struct Type {
    ControlName target;
    std::string keys;
};
struct Set {
    ControlName target;
    std::string text;
};
// The entry by its number (from 0) or by its text.
struct Choose {
    ControlName target;
    std::variant<int, std::string> entry;
};
struct Page {
    ControlName target;
    int page;
};
struct Wait {
    int milliseconds;
};
// One timeout of a window's running timer (`Form17.Timer1`), without waiting for it.
struct Tick {
    ControlName target;
};

enum class DialogKind { Question, Prompt, Save };
// `answer` is nothing for cancel; a question's answer is "Evet" or "Hayır".
struct Reply {
    DialogKind kind;
    std::optional<std::string> answer;
};

struct CheckText {
    ControlName target;
    std::string text;
};
enum class State { Enabled, Disabled, Visible, Hidden, Checked, Unchecked, ReadOnly, Editable };
struct CheckState {
    ControlName target;
    State state;
};
struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb&) const = default;
};
// `colour` is nothing for the control's ordinary colour.
struct CheckColour {
    ControlName target;
    std::optional<Rgb> colour;
};
enum class Count { Index, Entries, Page };
struct CheckNumber {
    ControlName target;
    Count what;
    int value;
};
struct CheckWindow {
    std::string form;
    bool visible;
};
// `icon` ("information", "exclamation", "question" or "none") and `red` are nothing when the
// statement does not check them.
struct CheckMessage {
    std::string title;
    std::string text;
    std::optional<std::string> icon;
    std::optional<std::vector<std::string>> red;
};
struct SkipMessage {};
struct CheckNoMessage {};
struct CheckPrompt {
    std::string text;
};
struct CheckSave {
    std::string name;
};
struct CheckFile {
    std::string name;
    std::vector<std::string> lines;
};
struct CheckNoFile {
    std::string name;
};
struct Capture {
    std::string form;
    std::string file;
};
struct Dump {
    std::string form;
};

using Statement = std::variant<StartFresh, StartRuns, Open, Press, Type, Set, Choose, Page, Wait,
                               Tick, Reply, CheckText, CheckState, CheckColour, CheckNumber,
                               CheckWindow, CheckMessage, SkipMessage, CheckNoMessage, CheckPrompt,
                               CheckSave, CheckFile, CheckNoFile, Capture, Dump>;

struct Line {
    int number; // from 1
    std::string source;
    Statement statement;
};

struct Script {
    std::vector<Line> lines;
    int lastLine = 0; // the number of the file's last line
};

struct ParseError {
    int line;
    std::string message;
};

namespace detail {

struct Unparsable {
    std::string message;
};

struct Token {
    std::string text;
    bool quoted;
};

inline bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

inline std::string shown(const Token& token) {
    return token.quoted ? "a text in quotes" : "\"" + token.text + "\"";
}

// Splits a statement into words and quoted texts, resolving the texts' escapes: \n, \r, \t, \b
// (Backspace), \" and \\.
inline std::vector<Token> tokenize(std::string_view line) {
    std::vector<Token> tokens;
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && isBlank(line[at]))
            ++at;
        if (at == line.size())
            return tokens;
        if (line[at] != '"') {
            const std::size_t start = at;
            while (at < line.size() && !isBlank(line[at])) {
                if (line[at] == '"')
                    throw Unparsable{"a quote inside the word \"" +
                                     std::string(line.substr(start, at - start + 1)) + "\""};
                ++at;
            }
            tokens.push_back({std::string(line.substr(start, at - start)), false});
            continue;
        }
        std::string text;
        for (++at;; ++at) {
            if (at == line.size())
                throw Unparsable{"a text has no closing quote"};
            if (line[at] == '"')
                break;
            if (line[at] != '\\') {
                text += line[at];
                continue;
            }
            if (++at == line.size())
                throw Unparsable{"a text has no closing quote"};
            switch (line[at]) {
            case 'n':
                text += '\n';
                break;
            case 'r':
                text += '\r';
                break;
            case 't':
                text += '\t';
                break;
            case 'b': // Backspace, for typing
                text += '\b';
                break;
            case '"':
            case '\\':
                text += line[at];
                break;
            default:
                throw Unparsable{std::string("unknown escape \\") + line[at]};
            }
        }
        ++at;
        if (at < line.size() && !isBlank(line[at]))
            throw Unparsable{"a text must be followed by a space"};
        tokens.push_back({std::move(text), true});
    }
}

// The arguments of one statement, read from left to right.
class Arguments {
public:
    explicit Arguments(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    bool atEnd() const { return next_ == tokens_.size(); }
    bool nextIsText() const { return !atEnd() && tokens_[next_].quoted; }

    std::string word(std::string_view what) {
        const Token& token = take(what);
        if (token.quoted)
            throw Unparsable{"expected " + std::string(what) + ", found a text in quotes"};
        return token.text;
    }

    std::string text(std::string_view what) {
        const Token& token = take(what);
        if (!token.quoted)
            throw Unparsable{"expected " + std::string(what) + " in quotes, found " + shown(token)};
        return token.text;
    }

    int number(std::string_view what, bool negativeAllowed = false) {
        const std::string digits = word(what);
        int value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (error != std::errc() || end != digits.data() + digits.size() ||
            (value < 0 && !negativeAllowed))
            throw Unparsable{"expected " + std::string(what) + ", found \"" + digits + "\""};
        return value;
    }

    std::string form() {
        std::string name = word("a window such as Form9");
        if (name.find('.') != std::string::npos)
            throw Unparsable{"expected a window such as Form9, found \"" + name + "\""};
        return name;
    }

    // `Form9.Text1`, or `Form9` alone when `windowAllowed`.
    ControlName control(bool windowAllowed = false) {
        const std::string name = word("a control such as Form9.Text1");
        const std::size_t dot = name.find('.');
        if (dot == std::string::npos && windowAllowed)
            return {name, {}};
        if (dot == std::string::npos || dot == 0 || dot + 1 == name.size())
            throw Unparsable{"expected a control such as Form9.Text1, found \"" + name + "\""};
        return {name.substr(0, dot), name.substr(dot + 1)};
    }

    void end() const {
        if (!atEnd())
            throw Unparsable{"unexpected " + shown(tokens_[next_]) + " at the end"};
    }

private:
    const Token& take(std::string_view what) {
        if (atEnd())
            throw Unparsable{"expected " + std::string(what) + ", found the end of the line"};
        return tokens_[next_++];
    }

    std::vector<Token> tokens_;
    std::size_t next_ = 0;
};

inline Rgb parseRgb(const std::string& text) {
    Rgb rgb{};
    int* parts[] = {&rgb.red, &rgb.green, &rgb.blue};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (std::size_t i = 0; i < 3; ++i) {
        const auto [after, error] = std::from_chars(at, end, *parts[i]);
        const bool separated = i == 2 ? after == end : (after != end && *after == ',');
        if (error != std::errc() || !separated || *parts[i] < 0 || *parts[i] > 255)
            throw Unparsable{"expected a colour R,G,B (each 0 to 255) or normal, found \"" + text +
                             "\""};
        if (i < 2)
            at = after + 1;
    }
    return rgb;
}

inline std::string parseIcon(const std::string& name) {
    if (name == "none" || name == "information" || name == "exclamation" || name == "question")
        return name;
    throw Unparsable{"expected an icon (information, exclamation, question, none), found \"" +
                     name + "\""};
}

inline CheckMessage parseCheckMessage(Arguments& args) {
    CheckMessage check{args.text("the title"), args.text("the message text"), {}, {}};
    while (!args.atEnd() && !check.red) {
        const std::string suffix = args.word("icon or red");
        if (suffix == "icon" && !check.icon) {
            check.icon = parseIcon(args.word("an icon"));
        } else if (suffix == "red") {
            check.red.emplace();
            while (!args.atEnd()) {
                check.red->push_back(args.word("a field name such as Text1"));
                if (check.red->back() == "icon" || check.red->back() == "red")
                    throw Unparsable{"the red fields come last, after the icon"};
            }
        } else {
            throw Unparsable{"expected icon or red, found \"" + suffix + "\""};
        }
    }
    return check;
}

inline std::optional<State> stateNamed(const std::string& name) {
    static const std::pair<std::string_view, State> states[] = {
        {"enabled", State::Enabled},   {"disabled", State::Disabled},
        {"visible", State::Visible},   {"hidden", State::Hidden},
        {"checked", State::Checked},   {"unchecked", State::Unchecked},
        {"readonly", State::ReadOnly}, {"editable", State::Editable}};
    for (const auto& [known, state] : states)
        if (name == known)
            return state;
    return std::nullopt;
}

// `check` followed by a control (or a window) and what to check of it.
inline Statement parseControlCheck(Arguments& args) {
    const ControlName target = args.control(true);
    if (args.nextIsText())
        return CheckText{target, args.text("the text")};
    if (target.control.empty())
        throw Unparsable{"a window takes only a title check such as check " + target.form +
                         " \"TITLE\""};
    const std::string what = args.word("a text in quotes or what to check");
    if (const auto state = stateNamed(what))
        return CheckState{target, *state};
    if (what == "colour") {
        const std::string colour = args.word("a colour R,G,B or normal");
        return CheckColour{target, colour == "normal" ? std::nullopt
                                                      : std::optional<Rgb>(parseRgb(colour))};
    }
    if (what == "index")
        return CheckNumber{target, Count::Index, args.number("an entry number", true)};
    if (what == "count")
        return CheckNumber{target, Count::Entries, args.number("a number of entries")};
    if (what == "page")
        return CheckNumber{target, Count::Page, args.number("a page number")};
    throw Unparsable{"unknown check \"" + what + "\""};
}

inline Statement parseCheck(Arguments& args) {
    if (args.nextIsText())
        throw Unparsable{"expected a control or what to check, found a text in quotes"};
    Arguments lookAhead = args;
    const std::string what = lookAhead.word("a control or what to check");
    if (what == "message" || what == "prompt" || what == "save" || what == "file" ||
        what == "no-file" || what == "no-message" || what == "visible" || what == "hidden")
        args = lookAhead;
    if (what == "message")
        return parseCheckMessage(args);
    if (what == "no-message")
        return CheckNoMessage{};
    if (what == "prompt")
        return CheckPrompt{args.text("the prompt text")};
    if (what == "save")
        return CheckSave{args.text("the suggested file name")};
    if (what == "file")
        return CheckFile{args.text("the file name"), {}};
    if (what == "no-file")
        return CheckNoFile{args.text("the file name")};
    if (what == "visible" || what == "hidden")
        return CheckWindow{args.form(), what == "visible"};
    return parseControlCheck(args);
}

inline Reply parseReply(Arguments& args) {
    const std::string kind = args.word("question, prompt or save");
    if (kind == "question") {
        const std::string answer = args.text("the answer \"Evet\" or \"Hayır\"");
        if (answer != "Evet" && answer != "Hayır")
            throw Unparsable{"expected the answer \"Evet\" or \"Hayır\", found \"" + answer + "\""};
        return {DialogKind::Question, answer};
    }
    if (kind != "prompt" && kind != "save")
        throw Unparsable{"expected question, prompt or save, found \"" + kind + "\""};
    const DialogKind dialog = kind == "prompt" ? DialogKind::Prompt : DialogKind::Save;
    if (args.nextIsText())
        return {dialog, args.text("the answer")};
    if (args.word("the answer in quotes or cancel") != "cancel")
        throw Unparsable{"expected the answer in quotes or cancel"};
    return {dialog, std::nullopt};
}

inline Statement parseStatement(std::string_view line) {
    Arguments args(tokenize(line));
    const std::string verb = args.word("a statement");
    Statement statement = [&]() -> Statement {
        if (verb == "start") {
            const std::string how = args.word("fresh or runs");
            if (how == "fresh")
                return StartFresh{};
            if (how == "runs")
                return StartRuns{args.number("a run count")};
            throw Unparsable{"expected fresh or runs, found \"" + how + "\""};
        }
        if (verb == "open")
            return Open{args.form()};
        if (verb == "press")
            return Press{args.control()};
        if (verb == "type") {
            ControlName target = args.control();
            return Type{std::move(target), args.text("the keys")};
        }
        if (verb == "set") {
            ControlName target = args.control();
            return Set{std::move(target), args.text("the text")};
        }
        if (verb == "choose") {
            ControlName target = args.control();
            if (args.nextIsText())
                return Choose{std::move(target), args.text("the entry")};
            return Choose{std::move(target), args.number("an entry number or text")};
        }
        if (verb == "page") {
            ControlName target = args.control();
            return Page{std::move(target), args.number("a page number")};
        }
        if (verb == "wait")
            return Wait{args.number("a number of milliseconds")};
        if (verb == "tick")
            return Tick{args.control()};
        if (verb == "reply")
            return parseReply(args);
        if (verb == "check")
            return parseCheck(args);
        if (verb == "skip") {
            if (args.word("message") != "message")
                throw Unparsable{"expected skip message"};
            return SkipMessage{};
        }
        if (verb == "capture") {
            std::string form = args.form();
            return Capture{std::move(form), args.text("the picture's file name")};
        }
        if (verb == "dump")
            return Dump{args.form()};
        throw Unparsable{"unknown statement \"" + verb + "\""};
    }();
    args.end();
    return statement;
}

// The file's lines without their line ends (LF or CR LF) and without a leading byte order mark.
inline std::vector<std::string_view> splitLines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace detail

// Reads a whole scenario file; the first line that cannot be read is the error.
inline std::variant<Script, ParseError> parseScript(std::string_view text) {
    const std::vector<std::string_view> lines = detail::splitLines(text);
    Script script;
    script.lastLine = static_cast<int>(lines.size());
    bool startAllowed = true;
    for (std::size_t at = 0; at < lines.size(); ++at) {
        const int number = static_cast<int>(at) + 1;
        const std::string_view line = lines[at];
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        try {
            Statement statement = detail::parseStatement(line);
            if (auto* file = std::get_if<CheckFile>(&statement)) {
                while (++at < lines.size() && lines[at] != "end")
                    file->lines.emplace_back(lines[at]);
                if (at == lines.size())
                    throw detail::Unparsable{"the expected lines have no closing line \"end\""};
            }
            const bool isStart = std::holds_alternative<StartFresh>(statement) ||
                                 std::holds_alternative<StartRuns>(statement);
            if (isStart && !startAllowed)
                throw detail::Unparsable{"start comes only once, before every statement but reply"};
            if (!std::holds_alternative<Reply>(statement))
                startAllowed = false;
            script.lines.push_back({number, std::string(line), std::move(statement)});
        } catch (const detail::Unparsable& error) {
            return ParseError{number, error.message};
        }
    }
    return script;
}

// `text` as a quoted scenario argument, with the escapes that read back to it.
inline std::string quote(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        case '\b':
            quoted += "\\b";
            break;
        case '"':
        case '\\':
            quoted += '\\';
            quoted += c;
            break;
        default:
            quoted += c;
        }
    }
    return quoted + "\"";
}

} // namespace voltaris::scenario
