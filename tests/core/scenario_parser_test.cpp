// Reading scenario files and checking written files against expected lines.
#include "scenario/line_check.h"
#include "scenario/scenario_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace voltaris::scenario {
namespace {

Script parsed(std::string_view text) {
    auto result = parseScript(text);
    if (const auto* error = std::get_if<ParseError>(&result)) {
        ADD_FAILURE() << "line " << error->line << ": " << error->message;
        return {};
    }
    return std::get<Script>(result);
}

template <typename T> T only(std::string_view line) {
    const Script script = parsed(line);
    if (script.lines.size() != 1 || !std::holds_alternative<T>(script.lines[0].statement)) {
        ADD_FAILURE() << "not read as the expected statement: " << line;
        return {};
    }
    return std::get<T>(script.lines[0].statement);
}

// The line and message of the error; line 0 when the text was read.
ParseError errorOf(std::string_view text) {
    auto result = parseScript(text);
    if (const auto* error = std::get_if<ParseError>(&result))
        return *error;
    return {0, ""};
}

TEST(ScenarioParser, TextArgumentsResolveEveryEscape) {
    const Type type = only<Type>(R"(type Form9.Text1 "a\"b\\c\nd\re\tf\bg")");
    EXPECT_EQ(type.target.form, "Form9");
    EXPECT_EQ(type.target.control, "Text1");
    EXPECT_EQ(type.keys, "a\"b\\c\nd\re\tf\bg");
    EXPECT_EQ(only<Set>("set   Form9.Text2\t\"İki  boşluk\"  ").text, "İki  boşluk");
    EXPECT_EQ(only<Set>(R"(set Form9.Text2 "")").text, "");

    for (const std::string text : {"", "a\"b", "x\\y", "\r\n\t\b", "Güç = 10 x 2"})
        EXPECT_EQ(only<Set>("set Form9.Text1 " + quote(text)).text, text) << text;
}

TEST(ScenarioParser, MalformedTextsAndWordsAreRefusedAtTheirLine) {
    EXPECT_EQ(errorOf("open Form9\ntype Form9.Text1 \"10").line, 2);
    EXPECT_EQ(errorOf("type Form9.Text1 \"1\\x\"").message, "unknown escape \\x");
    EXPECT_EQ(errorOf("type Form9.Text1 \"1\\").line, 1);
    EXPECT_EQ(errorOf("type Form9.Text1 \"1\"2").line, 1);
    EXPECT_EQ(errorOf("type Form9.Te\"xt1 \"1\"").line, 1);
    EXPECT_EQ(errorOf("type Form9.Text1 10").line, 1);
    EXPECT_EQ(errorOf("type Form9 \"10\"").line, 1);
    EXPECT_EQ(errorOf("press .Command1").line, 1);
    EXPECT_EQ(errorOf("press Form9.").line, 1);
    EXPECT_EQ(errorOf("open Form9.Text1").line, 1);
    EXPECT_EQ(errorOf("open Form9 Form10").line, 1);
    EXPECT_EQ(errorOf("press").line, 1);
    EXPECT_EQ(errorOf("klik Form9.Command1").message, "unknown statement \"klik\"");
    EXPECT_EQ(errorOf("wait -5").line, 1);
    EXPECT_EQ(errorOf("wait 3s").line, 1);
    EXPECT_EQ(errorOf("choose Form9.Combo1 -1").line, 1);
    EXPECT_EQ(errorOf("skip box").line, 1);
}

TEST(ScenarioParser, CommentsBlankLinesAndLineEndsKeepLineNumbers) {
    const Script script = parsed(
        "\xEF\xBB\xBF# a comment\r\n\r\n   # indented comment\n  open Form9\r\nwait 300\n\n");
    ASSERT_EQ(script.lines.size(), 2u);
    EXPECT_EQ(script.lines[0].number, 4);
    EXPECT_EQ(script.lines[0].source, "  open Form9");
    EXPECT_EQ(std::get<Open>(script.lines[0].statement).form, "Form9");
    EXPECT_EQ(script.lines[1].number, 5);
    EXPECT_EQ(std::get<Wait>(script.lines[1].statement).milliseconds, 300);
    EXPECT_EQ(script.lastLine, 6);
    EXPECT_EQ(parsed("").lines.size(), 0u);
}

TEST(ScenarioParser, FileChecksTakeTheirLinesAsWritten) {
    const Script script = parsed("check file \"ohm.txt\"\n"
                                 "Ohm ve Watt Kanunu Hesabı:\r\n"
                                 "\n"
                                 "# not a comment here\n"
                                 "  \"quoted\" \\n\n"
                                 " end\n"
                                 "end\n"
                                 "check no-file \"rapor.txt\"\n");
    ASSERT_EQ(script.lines.size(), 2u);
    const CheckFile& file = std::get<CheckFile>(script.lines[0].statement);
    EXPECT_EQ(file.name, "ohm.txt");
    EXPECT_EQ(file.lines,
              (std::vector<std::string>{"Ohm ve Watt Kanunu Hesabı:", "", "# not a comment here",
                                        "  \"quoted\" \\n", " end"}));
    EXPECT_EQ(script.lines[1].number, 8);
    EXPECT_EQ(std::get<CheckNoFile>(script.lines[1].statement).name, "rapor.txt");

    EXPECT_TRUE(only<CheckFile>("check file \"empty.txt\"\nend").lines.empty());
    EXPECT_EQ(errorOf("open Form9\ncheck file \"x.txt\"\na\nb").line, 2);
}

TEST(ScenarioParser, StartComesFirstAndOnceWithOnlyRepliesBeforeIt) {
    const Script script = parsed("reply question \"Evet\"\nstart fresh\nreply prompt \"1\"\n");
    ASSERT_EQ(script.lines.size(), 3u);
    EXPECT_TRUE(std::holds_alternative<StartFresh>(script.lines[1].statement));
    EXPECT_EQ(only<StartRuns>("start runs 4").runs, 4);

    EXPECT_EQ(errorOf("open Form9\nstart fresh").line, 2);
    EXPECT_EQ(errorOf("start runs 2\nreply question \"Hayır\"\nstart fresh").line, 3);
    EXPECT_EQ(errorOf("start again").line, 1);
    EXPECT_EQ(errorOf("start runs").line, 1);
}

TEST(ScenarioParser, RepliesByKind) {
    const Reply yes = only<Reply>("reply question \"Evet\"");
    EXPECT_EQ(yes.kind, DialogKind::Question);
    EXPECT_EQ(yes.answer, "Evet");
    EXPECT_EQ(only<Reply>("reply question \"Hayır\"").answer, "Hayır");
    EXPECT_EQ(errorOf("reply question \"Tamam\"").line, 1);
    EXPECT_EQ(errorOf("reply question cancel").line, 1);

    const Reply prompt = only<Reply>("reply prompt \"0,5\"");
    EXPECT_EQ(prompt.kind, DialogKind::Prompt);
    EXPECT_EQ(prompt.answer, "0,5");
    EXPECT_EQ(only<Reply>("reply prompt cancel").answer, std::nullopt);
    const Reply save = only<Reply>("reply save \"rapor.txt\"");
    EXPECT_EQ(save.kind, DialogKind::Save);
    EXPECT_EQ(save.answer, "rapor.txt");
    EXPECT_EQ(only<Reply>("reply save cancel").answer, std::nullopt);
    EXPECT_EQ(errorOf("reply save later").line, 1);
    EXPECT_EQ(errorOf("reply message \"OK\"").line, 1);
}

TEST(ScenarioParser, ActingStatements) {
    EXPECT_EQ(std::get<int>(only<Choose>("choose Form9.Combo1 3").entry), 3);
    EXPECT_EQ(std::get<std::string>(only<Choose>("choose Form9.Combo1 \"AKIM\"").entry), "AKIM");
    const Page page = only<Page>("page Form12.SSTab1 2");
    EXPECT_EQ(page.target.control, "SSTab1");
    EXPECT_EQ(page.page, 2);
    EXPECT_EQ(only<Press>("press Form9.mn_iletkenlik").target.control, "mn_iletkenlik");
    const Tick tick = only<Tick>("tick Form17.Timer1");
    EXPECT_EQ(tick.target.form, "Form17");
    EXPECT_EQ(tick.target.control, "Timer1");
    EXPECT_EQ(errorOf("tick Form17").line, 1);
    const Capture capture = only<Capture>("capture Form9 \"ohm.png\"");
    EXPECT_EQ(capture.form, "Form9");
    EXPECT_EQ(capture.file, "ohm.png");
    EXPECT_EQ(only<Dump>("dump Form1").form, "Form1");
}

TEST(ScenarioParser, ControlChecks) {
    const CheckText title = only<CheckText>("check Form9 \"OHM ve WATT KANUNU\"");
    EXPECT_EQ(title.target.form, "Form9");
    EXPECT_TRUE(title.target.control.empty());
    EXPECT_EQ(only<CheckText>("check Form9.Text3 \"10\"").text, "10");

    EXPECT_EQ(only<CheckState>("check Form9.Command4 enabled").state, State::Enabled);
    EXPECT_EQ(only<CheckState>("check Form9.Command4 disabled").state, State::Disabled);
    EXPECT_EQ(only<CheckState>("check Form9.Text1 readonly").state, State::ReadOnly);
    EXPECT_EQ(only<CheckState>("check Form9.Option1 unchecked").state, State::Unchecked);
    EXPECT_EQ(errorOf("check Form9 visible").line, 1);
    EXPECT_EQ(errorOf("check Form9.Text1 shiny").line, 1);

    EXPECT_EQ(only<CheckColour>("check Form5.Shape1 colour 255,0,0").colour, (Rgb{255, 0, 0}));
    EXPECT_EQ(only<CheckColour>("check Form9.Text1 colour normal").colour, std::nullopt);
    for (const char* colour : {"255,0", "255,0,0,0", "256,0,0", "-1,0,0", "1,,2", "red"})
        EXPECT_EQ(errorOf(std::string("check Form9.Text1 colour ") + colour).line, 1) << colour;

    const CheckNumber index = only<CheckNumber>("check Form9.Combo1 index -1");
    EXPECT_EQ(index.what, Count::Index);
    EXPECT_EQ(index.value, -1);
    EXPECT_EQ(only<CheckNumber>("check Form21.Combo1 count 101").what, Count::Entries);
    EXPECT_EQ(only<CheckNumber>("check Form12.SSTab1 page 2").what, Count::Page);
    EXPECT_EQ(errorOf("check Form9.Combo1 count -1").line, 1);

    const CheckWindow hidden = only<CheckWindow>("check hidden Form1");
    EXPECT_EQ(hidden.form, "Form1");
    EXPECT_FALSE(hidden.visible);
    EXPECT_TRUE(only<CheckWindow>("check visible Form9").visible);
    EXPECT_EQ(errorOf("check visible Form9.Text1").line, 1);
}

TEST(ScenarioParser, MessageChecksWithIconAndRedFields) {
    const CheckMessage plain =
        only<CheckMessage>("check message \"UYARI\" \"DEĞERLERİ\\nGİRİNİZ\"");
    EXPECT_EQ(plain.title, "UYARI");
    EXPECT_EQ(plain.text, "DEĞERLERİ\nGİRİNİZ");
    EXPECT_EQ(plain.icon, std::nullopt);
    EXPECT_EQ(plain.red, std::nullopt);

    const CheckMessage full =
        only<CheckMessage>("check message \"UYARI\" \"x\" icon exclamation red Text1 Text2");
    EXPECT_EQ(full.icon, "exclamation");
    EXPECT_EQ(full.red, (std::vector<std::string>{"Text1", "Text2"}));
    EXPECT_EQ(only<CheckMessage>("check message \"A\" \"B\" red").red, std::vector<std::string>{});
    EXPECT_EQ(only<CheckMessage>("check message \"A\" \"B\" icon none").icon, "none");

    EXPECT_EQ(errorOf("check message \"A\" \"B\" icon warning").line, 1);
    EXPECT_EQ(errorOf("check message \"A\" \"B\" red Text1 icon question").line, 1);
    EXPECT_EQ(errorOf("check message \"A\" \"B\" icon none icon none").line, 1);
    EXPECT_EQ(errorOf("check message \"A\"").line, 1);
    EXPECT_EQ(errorOf("check message \"A\" \"B\" \"C\"").line, 1);
    EXPECT_EQ(only<CheckPrompt>("check prompt \"Değer\"").text, "Değer");
    EXPECT_EQ(only<CheckSave>("check save \"Ohm ve Watt Kanunu Hesabı\"").name,
              "Ohm ve Watt Kanunu Hesabı");
    EXPECT_TRUE(
        std::holds_alternative<CheckNoMessage>(parsed("check no-message").lines[0].statement));
    EXPECT_TRUE(std::holds_alternative<SkipMessage>(parsed("skip message").lines[0].statement));
}

TEST(LinesMismatch, EveryLineMustMatchAndEndInCrLf) {
    const std::vector<std::string> two{"Gerilim: 10", ""};
    EXPECT_EQ(linesMismatch("Gerilim: 10\r\n\r\n", two), std::nullopt);
    EXPECT_EQ(linesMismatch("", {}), std::nullopt);

    EXPECT_EQ(linesMismatch("Gerilim: 10\n\r\n", two),
              "expected line 1 ended by CR LF, found a line feed alone");
    EXPECT_EQ(linesMismatch("Gerilim: 10\r\n", {"Gerilim: 10", "x"}),
              "expected line 2 \"x\", found the end of the file");
    EXPECT_EQ(linesMismatch("Gerilim: 10\r\nx", {"Gerilim: 10", "x"}),
              "expected line 2 ended by CR LF, found the end of the file");
    EXPECT_EQ(linesMismatch("Gerilim: 10\r\n\r\n\r\n", two), "expected 2 lines, found line 3 \"\"");
    EXPECT_EQ(linesMismatch("Gerilim: 12\r\n\r\n", two),
              "expected line 1 \"Gerilim: 10\", found \"Gerilim: 12\"");
    EXPECT_EQ(linesMismatch("Gerilim:\r10\r\n\r\n", two),
              "expected line 1 \"Gerilim: 10\", found \"Gerilim:\\r10\"");
    EXPECT_EQ(linesMismatch("\r\n", {}), "expected 0 lines, found line 1 \"\"");
}

} // namespace
} // namespace voltaris::scenario
